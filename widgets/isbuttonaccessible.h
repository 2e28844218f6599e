// What assistive technology sees of an isButton: a push button named by its caption
// (or by an accessible name set on it), with a press action.
#pragma once

namespace xingming::widgets {

// Registers the accessibility interface of isButton with Qt (once; later calls do nothing).
void installIsButtonAccessibility();

} // namespace xingming::widgets
