#include "mkdemo/Picture.h"

#include <cmath>
#include <filesystem>

#include "data/Tga.h"
#include "tools/AviWriter.h"
#include "tools/CanEncoder.h"

namespace mkdemo {

const Color kKeyColour24 = Color::rgb(255, 0, 255);
const Color kKeyColour32 = Color::rgb(0, 255, 0);

namespace {

const std::vector<std::string> kOptions = {"size", "format", "canner", "at", "fps", "frames", "key", "note", "matte", "anm", "png", "icons"};

void sizeOf(const Node& n, int defaultW, int defaultH, int& w, int& h) {
    w = defaultW, h = defaultH;
    if (const Node* s = n.child("size")) {
        w = s->integer(0), h = s->integer(1);
        if (w < 1 || h < 1 || w > 2048 || h > 2048) s->fail("size must be 1..2048");
    }
}

void draw(const Node& n, Canvas& canvas, double time, std::vector<Shape>* shapes, double dx = 0, double dy = 0,
          double scale = 1) {
    Ctx ctx;
    ctx.cr = canvas.cr();
    ctx.time = time;
    ctx.width = canvas.width();
    ctx.height = canvas.height();
    ctx.shapes = shapes;
    ctx.picture = n.str(0, "");
    cairo_save(ctx.cr);
    cairo_set_operator(ctx.cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(ctx.cr);
    cairo_restore(ctx.cr);
    cairo_save(ctx.cr);
    cairo_translate(ctx.cr, -dx, -dy);
    cairo_scale(ctx.cr, scale, scale);
    drawElements(ctx, n, kOptions);
    cairo_restore(ctx.cr);
    canvas.flush();
}

RgbFrame frameOf(const Canvas& canvas, const Color& matte) {
    RgbFrame f(canvas.width(), canvas.height());
    f.rgb = canvas.rgb(matte);
    return f;
}

// One CAN animation of part of a picture (or of a movie scene).
void writeCan(const Node& scene, const std::string& name, int x, int y, int w, int h, int fps, int frames,
              int sceneW, int sceneH, double offsetX, double offsetY, Output& out) {
    if (fps < 1 || fps > 60) scene.fail("fps must be 1..60");
    if (frames < 1 || frames > 600) scene.fail("frames must be 1..600");
    CanEncoder encoder(w, h, x, y, fps);
    Canvas canvas(sceneW, sceneH);
    for (int i = 0; i < frames; ++i) {
        draw(scene, canvas, i / static_cast<double>(fps), nullptr);
        // Cut the region out of the scene.
        RgbFrame full = frameOf(canvas, Color::rgb(0, 0, 0));
        RgbFrame part(w, h);
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c) {
                int sx = c + static_cast<int>(offsetX), sy = r + static_cast<int>(offsetY);
                if (sx < 0 || sy < 0 || sx >= sceneW || sy >= sceneH) continue;
                const uint8_t* p = full.at(sx, sy);
                part.set(c, r, p[0], p[1], p[2]);
            }
        encoder.addFrame(part);
    }
    out.write("can/" + name + ".can", encoder.data());
}

void writePicture(const Node& n, const Canvas& canvas, const std::string& name, Output& out) {
    std::string format = n.optionText("format", "opaque");
    std::vector<uint8_t> tga;
    if (format == "opaque") {
        std::vector<uint8_t> px = canvas.bgr(false, kKeyColour24, colorOption(n, "matte", Color::rgb(0, 0, 0)));
        tga = encodeTga(canvas.width(), canvas.height(), 3, px.data());
    } else if (format == "key") {
        std::vector<uint8_t> px = canvas.bgr(true, colorOption(n, "key", kKeyColour24), Color());
        tga = encodeTga(canvas.width(), canvas.height(), 3, px.data());
    } else if (format == "alpha") {
        std::vector<uint8_t> px = canvas.bgra(kKeyColour32);
        tga = encodeTga(canvas.width(), canvas.height(), 4, px.data());
    } else {
        n.fail("format is opaque, key or alpha");
    }
    out.write("bitmaps/" + name + ".tga", tga);
    if (out.previews()) canvas.writePng(out.previewPath(name));
    // (png FILE): the picture also as a PNG file in the data directory, for
    // use outside the game (the icon of the desktop's menus).
    if (const Node* png = n.child("png")) {
        const std::string file = png->str(0);
        if (file.empty() || file.find('/') != std::string::npos || file.find('\\') != std::string::npos)
            png->fail("png names a file of the data directory");
        std::filesystem::create_directories(out.dataDir());
        canvas.writePng(out.path(file));
        out.written(file);
        // (icons N...): the same drawing at N x N pixels for each size, as
        // "icons/NxN/FILE", the layout of the desktop's icon themes.
        if (const Node* sizes = n.child("icons")) {
            for (size_t i = 0; i < sizes->values.size(); ++i) {
                const int size = sizes->integer(i);
                if (size < 16 || size > 512) sizes->fail("icon sizes must be 16..512");
                Canvas scaled(size, size);
                draw(n, scaled, 0, nullptr, 0, 0, static_cast<double>(size) / canvas.width());
                const std::string dir = "icons/" + std::to_string(size) + "x" + std::to_string(size);
                std::filesystem::create_directories(out.path(dir));
                scaled.writePng(out.path(dir + "/" + file));
                out.written(dir + "/" + file);
            }
        }
    }
}

}  // namespace

PictureInfo renderDescription(const Node& n, Output& out) {
    PictureInfo info;
    info.name = n.str(0);
    if (n.key == "picture") {
        sizeOf(n, 640, 480, info.width, info.height);
        Canvas canvas(info.width, info.height);
        draw(n, canvas, 0, &info.shapes);
        writePicture(n, canvas, info.name, out);
        if (n.option("anm", 0) != 0) {
            out.write("bitmaps/" + info.name + ".anm", "(speed 1)\n(bmp " + info.name + ")\n");
            info.animation = true;
        }
        for (const Node* c : n.all("canner")) {
            const Node* r = c->child("region");
            if (!r) c->fail("needs (region x y w h)");
            int x = r->integer(0), y = r->integer(1), w = r->integer(2), h = r->integer(3);
            if (x < 0 || y < 0 || w < 1 || h < 1 || x + w > info.width || y + h > info.height)
                r->fail("the region must lie inside the picture");
            writeCan(n, c->str(0), x, y, w, h, static_cast<int>(c->option("fps", 12)),
                     static_cast<int>(c->option("frames", 24)), info.width, info.height, x, y, out);
        }
    } else if (n.key == "alias") {
        out.link("bitmaps/" + info.name + ".tga", "bitmaps/" + n.str(1) + ".tga");
    } else if (n.key == "movie") {
        int w, h;
        sizeOf(n, 320, 240, w, h);
        const Node* at = n.child("at");
        if (!at) n.fail("needs (at x y): where the movie lands in the 640 x 480 picture");
        int x = at->integer(0), y = at->integer(1);
        if (x < 0 || y < 0 || x + w > 640 || y + h > 480) at->fail("the movie must lie inside 640 x 480");
        writeCan(n, info.name, x, y, w, h, static_cast<int>(n.option("fps", 12)), static_cast<int>(n.option("frames", 36)),
                 w, h, 0, 0, out);
        if (out.previews()) {
            Canvas canvas(w, h);
            draw(n, canvas, 0.5, nullptr);
            canvas.writePng(out.previewPath(info.name + "_movie"));
        }
    } else if (n.key == "avi") {
        int w, h;
        sizeOf(n, 64, 64, w, h);
        int fps = static_cast<int>(n.option("fps", 12)), frames = static_cast<int>(n.option("frames", 12));
        if (fps < 1 || frames < 1 || frames > 300) n.fail("fps and frames must be positive (at most 300 frames)");
        // The game keys a video with the first pixel of its freshly made
        // surface, which is black: clear pixels are written black.
        Color matte = colorOption(n, "key", Color::rgb(0, 0, 0));
        std::vector<RgbFrame> list;
        Canvas canvas(w, h);
        for (int i = 0; i < frames; ++i) {
            draw(n, canvas, i / static_cast<double>(fps), nullptr);
            // Clear pixels get the key colour so that the sprite can be drawn keyed.
            RgbFrame f(w, h);
            for (int r = 0; r < h; ++r)
                for (int c = 0; c < w; ++c) {
                    uint8_t cr, cg, cb, ca;
                    canvas.pixel(c, r, cr, cg, cb, ca);
                    if (ca < 128)
                        f.set(c, r, static_cast<uint8_t>(matte.r * 255), static_cast<uint8_t>(matte.g * 255),
                              static_cast<uint8_t>(matte.b * 255));
                    else
                        f.set(c, r, cr, cg, cb);
                }
            list.push_back(std::move(f));
        }
        AviOptions options;
        options.rate = fps;
        std::string bytes = encodeAvi(list, options);
        out.write("avi/" + info.name + ".avi", bytes);
        if (out.previews()) canvas.writePng(out.previewPath(info.name + "_avi"));
    } else {
        n.fail("is not a picture, alias, movie or avi");
    }
    return info;
}

}  // namespace mkdemo
