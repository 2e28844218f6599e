// Buttons defined in resources: a window keeps each button definition as the text form of a
// property bag (widgets/buttons/*.btn, under ":/widgets/buttons/") and creates the button
// from it.
#pragma once

#include "widgets/propertybag.h"

#include <QString>

#include <optional>

class QWidget;

namespace xingming::widgets {

class isButton;

// Makes the definitions of widgets.qrc available (the library is static); idempotent.
void initWidgetsResources();

// Reads and parses one definition; nothing (and the reason in *error) when the file is
// missing or malformed.
std::optional<PropertyBag> readButtonDefinition(const QString& path, QString* error = nullptr);

// A button loaded from the definition at resourcePath, named after the file's base name
// ("pmzb" for ":/widgets/buttons/pmzb.btn"), or nullptr when the definition cannot be read.
isButton* createButtonFromResource(const QString& resourcePath, QWidget* parent, QString* error = nullptr);

} // namespace xingming::widgets
