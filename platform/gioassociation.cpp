#include "gioassociation.h"

#include <gio/gio.h>
#include <gio/gdesktopappinfo.h>

#include <dlfcn.h>

namespace zentak {

namespace {

// The few GIO functions used, looked up once in the library loaded at the
// first call. GIO's own headers give their types.
struct Gio {
    decltype(&g_content_type_guess) contentTypeGuess = nullptr;
    decltype(&g_app_info_get_default_for_type) defaultForType = nullptr;
    decltype(&g_app_info_get_executable) executable = nullptr;
    decltype(&g_app_info_get_id) id = nullptr;
    decltype(&g_desktop_app_info_new) desktopAppInfoNew = nullptr;
    decltype(&g_desktop_app_info_get_boolean) getBoolean = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_free) free = nullptr;

    bool loaded() const
    {
        return contentTypeGuess && defaultForType && executable && id && desktopAppInfoNew
               && getBoolean && unref && free;
    }
};

template <typename F>
void resolve(void *library, F &fn, const char *name)
{
    fn = reinterpret_cast<F>(dlsym(library, name));
}

const Gio &gio()
{
    static const Gio loaded = [] {
        Gio g;
        void *library = dlopen("libgio-2.0.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (!library)
            return g;
        resolve(library, g.contentTypeGuess, "g_content_type_guess");
        resolve(library, g.defaultForType, "g_app_info_get_default_for_type");
        resolve(library, g.executable, "g_app_info_get_executable");
        resolve(library, g.id, "g_app_info_get_id");
        resolve(library, g.desktopAppInfoNew, "g_desktop_app_info_new");
        resolve(library, g.getBoolean, "g_desktop_app_info_get_boolean");
        resolve(library, g.unref, "g_object_unref");
        resolve(library, g.free, "g_free");
        return g;
    }();
    return loaded;
}

bool runsInTerminal(const Gio &g, GAppInfo *info)
{
    const char *id = g.id(info);
    if (!id)
        return false;
    GDesktopAppInfo *desktop = g.desktopAppInfoNew(id);
    if (!desktop)
        return false;
    const bool terminal = g.getBoolean(desktop, "Terminal");
    g.unref(desktop);
    return terminal;
}

} // namespace

std::string defaultApplicationFor(const std::string &filePath)
{
    const Gio &g = gio();
    if (!g.loaded())
        return {};
    gboolean uncertain = FALSE;
    gchar *type = g.contentTypeGuess(filePath.c_str(), nullptr, 0, &uncertain);
    if (!type)
        return {};
    std::string result;
    if (GAppInfo *info = g.defaultForType(type, FALSE)) {
        const char *exe = g.executable(info);
        if (exe && !runsInTerminal(g, info))
            result = exe;
        g.unref(info);
    }
    g.free(type);
    return result;
}

} // namespace zentak
