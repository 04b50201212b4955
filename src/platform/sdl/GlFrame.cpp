#include "platform/sdl/GlFrame.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdlib>
#include <type_traits>

namespace platform {

// The few OpenGL entry points the frame needs, looked up through SDL so the
// program does not link the OpenGL library (a machine without it still runs,
// through an SDL renderer).
struct GlFrame::Api {
    const GLubyte*(APIENTRY* GetString)(GLenum);
    GLenum(APIENTRY* GetError)();
    void(APIENTRY* GenTextures)(GLsizei, GLuint*);
    void(APIENTRY* DeleteTextures)(GLsizei, const GLuint*);
    void(APIENTRY* BindTexture)(GLenum, GLuint);
    void(APIENTRY* TexParameteri)(GLenum, GLenum, GLint);
    void(APIENTRY* TexImage2D)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
    void(APIENTRY* TexSubImage2D)(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*);
    void(APIENTRY* PixelStorei)(GLenum, GLint);
    void(APIENTRY* Enable)(GLenum);
    void(APIENTRY* Disable)(GLenum);
    void(APIENTRY* Viewport)(GLint, GLint, GLsizei, GLsizei);
    void(APIENTRY* ClearColor)(GLfloat, GLfloat, GLfloat, GLfloat);
    void(APIENTRY* Clear)(GLbitfield);
    void(APIENTRY* MatrixMode)(GLenum);
    void(APIENTRY* LoadIdentity)();
    void(APIENTRY* TexEnvi)(GLenum, GLenum, GLint);
    void(APIENTRY* Begin)(GLenum);
    void(APIENTRY* End)();
    void(APIENTRY* TexCoord2f)(GLfloat, GLfloat);
    void(APIENTRY* Vertex2f)(GLfloat, GLfloat);

    bool load() {
        bool all = true;
        const auto get = [&all](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(SDL_GL_GetProcAddress(name));
            all = all && fn != nullptr;
        };
        get(GetString, "glGetString");
        get(GetError, "glGetError");
        get(GenTextures, "glGenTextures");
        get(DeleteTextures, "glDeleteTextures");
        get(BindTexture, "glBindTexture");
        get(TexParameteri, "glTexParameteri");
        get(TexImage2D, "glTexImage2D");
        get(TexSubImage2D, "glTexSubImage2D");
        get(PixelStorei, "glPixelStorei");
        get(Enable, "glEnable");
        get(Disable, "glDisable");
        get(Viewport, "glViewport");
        get(ClearColor, "glClearColor");
        get(Clear, "glClear");
        get(MatrixMode, "glMatrixMode");
        get(LoadIdentity, "glLoadIdentity");
        get(TexEnvi, "glTexEnvi");
        get(Begin, "glBegin");
        get(End, "glEnd");
        get(TexCoord2f, "glTexCoord2f");
        get(Vertex2f, "glVertex2f");
        return all;
    }
};

std::unique_ptr<GlFrame> GlFrame::create(SDL_Window* window, bool vsync, bool smooth) {
    if (!window || !(SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL)) return nullptr;
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) return nullptr;
    auto api = std::make_unique<Api>();
    // A context of OpenGL 1.x cannot hold a 640 x 480 texture; the fixed
    // pipeline this draws with exists in every context SDL makes by default.
    const char* version = nullptr;
    if (api->load()) version = reinterpret_cast<const char*>(api->GetString(GL_VERSION));
    if (!version || std::atoi(version) < 2) {
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    // Without vertical sync, or refused it, frames are shown as they come.
    SDL_GL_SetSwapInterval(vsync ? 1 : 0);
    std::unique_ptr<GlFrame> frame(new GlFrame(window, context, std::move(api)));
    Api& gl = *frame->gl_;
    gl.GenTextures(1, &frame->texture_);
    gl.BindTexture(GL_TEXTURE_2D, frame->texture_);
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Kept in the frame's own format where the driver knows it (OpenGL 4.1,
    // or 2.0 with the extension for it), so an upload is a plain copy; else
    // the driver picks a format that keeps every bit.
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGB565, kFrameWidth, kFrameHeight, 0, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, nullptr);
    if (gl.GetError() != GL_NO_ERROR)
        gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, kFrameWidth, kFrameHeight, 0, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, nullptr);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    gl.Enable(GL_TEXTURE_2D);
    gl.Disable(GL_BLEND);
    gl.Disable(GL_DEPTH_TEST);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 2);
    gl.ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    if (gl.GetError() != GL_NO_ERROR) return nullptr;
    return frame;
}

GlFrame::GlFrame(SDL_Window* window, void* context, std::unique_ptr<Api> api)
    : window_(window), context_(context), gl_(std::move(api)) {}

GlFrame::~GlFrame() {
    SDL_GL_MakeCurrent(window_, context_);
    if (texture_) gl_->DeleteTextures(1, &texture_);
    SDL_GL_DeleteContext(context_);
}

std::string GlFrame::rendererName() const {
    const auto* name = reinterpret_cast<const char*>(gl_->GetString(GL_RENDERER));
    return name ? name : "?";
}

void GlFrame::drawableSize(int& w, int& h) const { SDL_GL_GetDrawableSize(window_, &w, &h); }

void GlFrame::upload(const uint16_t* pixels, int pitchPixels) {
    gl_->PixelStorei(GL_UNPACK_ROW_LENGTH, pitchPixels);
    gl_->TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kFrameWidth, kFrameHeight, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, pixels);
}

void GlFrame::show(const FrameRect& dst, int outW, int outH) {
    Api& gl = *gl_;
    // The whole drawable is cleared, which also gives the bars their black;
    // then the picture fills a viewport of its place (OpenGL counts rows
    // from the bottom).
    gl.Viewport(0, 0, outW, outH);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    gl.Viewport(dst.x, outH - dst.y - dst.h, dst.w, dst.h);
    gl.Begin(GL_QUADS);
    gl.TexCoord2f(0.0f, 1.0f);
    gl.Vertex2f(-1.0f, -1.0f);
    gl.TexCoord2f(1.0f, 1.0f);
    gl.Vertex2f(1.0f, -1.0f);
    gl.TexCoord2f(1.0f, 0.0f);
    gl.Vertex2f(1.0f, 1.0f);
    gl.TexCoord2f(0.0f, 0.0f);
    gl.Vertex2f(-1.0f, 1.0f);
    gl.End();
    SDL_GL_SwapWindow(window_);
}

}  // namespace platform
