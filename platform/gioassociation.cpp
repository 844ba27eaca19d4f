#include "gioassociation.h"

#include <gio/gio.h>

namespace zentak {

std::string defaultApplicationFor(const std::string &filePath)
{
    gboolean uncertain = FALSE;
    gchar *type = g_content_type_guess(filePath.c_str(), nullptr, 0, &uncertain);
    if (!type)
        return {};
    std::string result;
    if (GAppInfo *info = g_app_info_get_default_for_type(type, FALSE)) {
        if (const char *exe = g_app_info_get_executable(info))
            result = exe;
        g_object_unref(info);
    }
    g_free(type);
    return result;
}

} // namespace zentak
