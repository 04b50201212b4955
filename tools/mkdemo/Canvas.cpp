#include "mkdemo/Canvas.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "mkdemo/Tree.h"

namespace mkdemo {

const Color kInk = Color::rgb(58, 38, 44);

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    uint32_t p = *reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride + x * 4);
    a = static_cast<uint8_t>(p >> 24);
    uint8_t pr = static_cast<uint8_t>(p >> 16), pg = static_cast<uint8_t>(p >> 8), pb = static_cast<uint8_t>(p);
    if (a == 0) {
        r = g = b = 0;
    } else if (a == 255) {
        r = pr, g = pg, b = pb;
    } else {
        r = static_cast<uint8_t>(std::min(255, pr * 255 / a));
        g = static_cast<uint8_t>(std::min(255, pg * 255 / a));
        b = static_cast<uint8_t>(std::min(255, pb * 255 / a));
    }
}

namespace {

uint8_t to8(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

uint16_t rgb565(int r, int g, int b) { return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)); }

// Moves a colour that would show as the key colour on a 5-6-5 display one step away.
void nudgeOffKey(uint8_t& r, uint8_t& g, uint8_t& b, uint16_t key) {
    if (rgb565(r, g, b) != key) return;
    if (g >= 8)
        g = static_cast<uint8_t>(g - 8);
    else
        g = static_cast<uint8_t>(g + 8);
}

}  // namespace

std::vector<uint8_t> Canvas::bgr(bool keyed, const Color& key, const Color& matte) const {
    cairo_surface_flush(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 3);
    const uint8_t kr = to8(key.r), kg = to8(key.g), kb = to8(key.b);
    const uint16_t key565 = rgb565(kr, kg, kb);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint8_t r, g, b, a;
            pixel(x, y, r, g, b, a);
            uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 3];
            if (keyed) {
                if (a < 128) {
                    o[0] = kb, o[1] = kg, o[2] = kr;
                    continue;
                }
                nudgeOffKey(r, g, b, key565);
            } else if (a < 255) {
                double k = a / 255.0;
                r = to8(r / 255.0 * k + matte.r * (1 - k));
                g = to8(g / 255.0 * k + matte.g * (1 - k));
                b = to8(b / 255.0 * k + matte.b * (1 - k));
            }
            o[0] = b, o[1] = g, o[2] = r;
        }
    if (keyed && width_ > 0 && height_ > 0) out[0] = kb, out[1] = kg, out[2] = kr;
    return out;
}

std::vector<uint8_t> Canvas::bgra(const Color& key) const {
    cairo_surface_flush(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    const uint8_t kr = to8(key.r), kg = to8(key.g), kb = to8(key.b);
    const uint16_t key565 = rgb565(kr, kg, kb);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint8_t r, g, b, a;
            pixel(x, y, r, g, b, a);
            uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 4];
            if (a == 0) {
                o[0] = kb, o[1] = kg, o[2] = kr, o[3] = 0;
                continue;
            }
            nudgeOffKey(r, g, b, key565);
            o[0] = b, o[1] = g, o[2] = r, o[3] = a;
        }
    if (width_ > 0 && height_ > 0) out[0] = kb, out[1] = kg, out[2] = kr, out[3] = 0;
    return out;
}

std::vector<uint8_t> Canvas::rgb(const Color& matte) const {
    cairo_surface_flush(surface_);
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint8_t r, g, b, a;
            pixel(x, y, r, g, b, a);
            double k = a / 255.0;
            uint8_t* o = &out[(static_cast<size_t>(y) * width_ + x) * 3];
            o[0] = to8(r / 255.0 * k + matte.r * (1 - k));
            o[1] = to8(g / 255.0 * k + matte.g * (1 - k));
            o[2] = to8(b / 255.0 * k + matte.b * (1 - k));
        }
    return out;
}

void Canvas::writePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw SourceError(path + ": cannot write the preview");
}

void setColor(cairo_t* cr, const Color& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void fillStroke(cairo_t* cr, const Color& fill, double lineWidth, const Color& ink) {
    setColor(cr, fill);
    if (lineWidth > 0) {
        cairo_fill_preserve(cr);
        setColor(cr, ink);
        cairo_set_line_width(cr, lineWidth);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
}

void fillOnly(cairo_t* cr, const Color& fill) {
    setColor(cr, fill);
    cairo_fill(cr);
}

void fillVertical(cairo_t* cr, double y0, double y1, const Color& top, const Color& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void fillVerticalStroke(cairo_t* cr, double y0, double y1, const Color& top, const Color& bottom,
                        double lineWidth) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void circlePath(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double strength) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.05, 0.1, strength);
    cairo_pattern_add_color_stop_rgba(p, 0.7, 0.1, 0.05, 0.1, strength * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.05, 0.1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

namespace {

PangoLayout* makeLayout(cairo_t* cr, const std::string& text, const TextStyle& style) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(style.font.c_str());
    pango_font_description_set_absolute_size(desc, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, text.c_str(), -1);
    if (style.wrapWidth > 0) {
        pango_layout_set_width(layout, static_cast<int>(style.wrapWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(layout, style.align == Align::Left    ? PANGO_ALIGN_LEFT
                                       : style.align == Align::Right ? PANGO_ALIGN_RIGHT
                                                                     : PANGO_ALIGN_CENTER);
    if (style.lineSpacing != 1.0) pango_layout_set_line_spacing(layout, static_cast<float>(style.lineSpacing));
    return layout;
}

}  // namespace

void measureText(cairo_t* cr, const std::string& text, const TextStyle& style, double& width, double& height) {
    PangoLayout* layout = makeLayout(cr, text, style);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    width = style.wrapWidth > 0 ? style.wrapWidth : logical.width;
    height = logical.height;
    g_object_unref(layout);
}

double inkWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
    PangoLayout* layout = makeLayout(cr, text, style);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    g_object_unref(layout);
    return ink.width;
}

void drawText(cairo_t* cr, double x, double y, const std::string& text, const TextStyle& style, double* outWidth,
              double* outHeight) {
    PangoLayout* layout = makeLayout(cr, text, style);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double w = style.wrapWidth > 0 ? style.wrapWidth : logical.width;
    double left = style.align == Align::Left ? x : style.align == Align::Right ? x - w : x - w / 2;
    cairo_save(cr);
    if (style.shadow) {
        cairo_move_to(cr, left + 2, y + 3);
        pango_cairo_layout_path(cr, layout);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
        if (style.outlineWidth > 0) {
            cairo_set_line_width(cr, style.outlineWidth * 2);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_move_to(cr, left, y);
    pango_cairo_layout_path(cr, layout);
    if (style.outlineWidth > 0) {
        setColor(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColor(cr, style.color);
    cairo_fill(cr);
    cairo_restore(cr);
    if (outWidth) *outWidth = w;
    if (outHeight) *outHeight = logical.height;
    g_object_unref(layout);
}

}  // namespace mkdemo
