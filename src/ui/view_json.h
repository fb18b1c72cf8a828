// A step as the page's script reads it: JSON objects whose fields have the names of the members
// of View and Effects, elements given by their index in the table (the page's data-element).
#pragma once

#include "ui/window_state.h"

#include <string>
#include <string_view>

namespace vorlank::ui
{

std::string json(const View &view);
std::string json(const Effects &effects);
// {"view": ..., "effects": ...}
std::string json(const Step &step);

// `utf8` as a JSON string.
std::string jsonString(std::string_view utf8);

} // namespace vorlank::ui
