#pragma once
// The application's style with the menu bar's extension icon loaded when it
// is first drawn instead of when the menu bar is built. Building the icon
// reads its image, and reading an image loads every image format plugin
// (and the JPEG library): a cost at every start for a button that shows
// only when the menus do not fit. Everything else is the default style's.

#include <QProxyStyle>

namespace zentak {

class DeferredIconStyle : public QProxyStyle {
public:
    DeferredIconStyle() = default;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace zentak
