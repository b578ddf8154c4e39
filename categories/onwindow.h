// The bridge between the window's converters and the engine: a category's conversion on the
// window's controls, with a failure shown as the category shows it (not at all, or in the
// toolkit's message box).
#pragma once

#include "core/category.h"
#include "core/controls.h"
#include "core/form.h"

namespace merovane {

// On the four controls the window hands over.
void convertonwindow(const Category& category, const ListBox& source, const ListBox& destination,
                     const TextBox& sourcebox, TextBox& destinationbox);
// On the category's controls of `window`, for the converters the window calls without controls.
void convertonwindow(const Category& category, Form& window);

}  // namespace merovane
