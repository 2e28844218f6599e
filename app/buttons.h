// The action buttons of the windows are owner-drawn buttons defined in the widget
// library's resources; this makes one of them by its definition.
#pragma once

#include "widgets/isbutton.h"

namespace xingming::app {

// The button of the definition ":/widgets/buttons/<definition>.btn", named name.
widgets::isButton* makeButton(const char* definition, const char* name, QWidget* parent);

} // namespace xingming::app
