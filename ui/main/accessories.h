#pragma once
// The desk accessories of the menu: the desktops' own calculators and text
// editors, looked for in the system directory.

#include <QString>
#include <QStringList>

namespace zentak {

class Platform;

enum class Accessory { Calculator, TextEditor };

// The programs looked for, the first present one being started.
QStringList accessoryCandidates(Accessory which);

// The paths of the candidates present in dir, in the order of the list.
QStringList presentAccessories(Platform &platform, const QString &dir, Accessory which);

} // namespace zentak
