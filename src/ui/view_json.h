// The view as the page's script reads it: one JSON object whose fields have the names of View's
// members, elements given by their index in the table (the page's data-element).
#pragma once

#include "ui/window_state.h"

#include <string>
#include <string_view>

namespace vorlank::ui
{

std::string json(const View &view);

// `utf8` as a JSON string.
std::string jsonString(std::string_view utf8);

} // namespace vorlank::ui
