// Writing a package's folder: whole, or not at all.
#pragma once
#include <filesystem>
#include <functional>
#include <string>

// Fills a fresh folder beside out by calling fill with its path, then puts it in
// place as out. out must not exist, or be an empty folder. fill returns an empty
// string, or what went wrong; then nothing is left behind. Returns the same.
std::string write_folder(const std::string &out, const std::function<std::string(const std::filesystem::path &)> &fill);

// Writes text into the file at path, creating its folders; false when it cannot.
bool put_file(const std::filesystem::path &path, const std::string &text, bool executable = false);
