// Choosing a folder or a file to open, for logic units that let the user pick one. The desktop
// program installs its dialogs around the command that needs them; without one installed every
// choice is cancelled (the command line names its files in its arguments).
#pragma once

#include <optional>
#include <string>

namespace selvane {

class IFileChooser {
 public:
  virtual ~IFileChooser() = default;
  // A folder of the file system; nullopt when the user cancels.
  virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
  // An existing file, the dialog opening in folder with the filter
  // ("description|patterns|description|patterns", the first selected); nullopt when cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                    const std::string& folder,
                                                    const std::string& filter) = 0;
};

// Installs the chooser (not owned); nullptr returns to cancelling every choice.
void InstallFileChooser(IFileChooser* chooser);

std::optional<std::string> ChooseFolder(const std::string& title);
std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                          const std::string& filter);

}  // namespace selvane
