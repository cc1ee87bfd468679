#pragma once

#include <string>

// A Windows-1252 text as a JSON string (UTF-8); long texts keep their ends and their length.
std::string JsonText(const std::string& text);
