// Failures the user can cause (a text that is not a number, a file that cannot be opened or
// written). They stop the running action; the window's guard shows the message.
#pragma once

#include <stdexcept>
#include <string>

namespace coilspring {

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Messages are UTF-8; %s is replaced by the text or path.
std::string NotADecimalMessage(const std::string& text);
std::string NotAnIntegerMessage(const std::string& text);
std::string CannotOpenMessage(const std::string& path);
std::string CannotCreateMessage(const std::string& path);
// A save refused because the folder it goes through may not be written.
std::string FolderNotWritableMessage(const std::string& path, const std::string& folder);
inline constexpr const char* kWriteErrorMessage = "ストリームへの書き込みエラー";
// A write into the file that failed, with the reason the system gave (`error`, an errno value)
// where the user can act on it: a full disk, a quota, the file-size limit.
std::string WriteErrorMessage(const std::string& path, int error);

}  // namespace coilspring
