// Aligns the working folders with the EDI settings: at start-up and before every exchange.
#pragma once

#include <string>

namespace selvane {

// When the EDI settings exist in the registry, SendDir, RecvDir and ResultDir become the
// settings' folders (with the separator) and EdiLoginId the settings' login ID; otherwise the
// globals keep their values.
void LoadEdiFolders();

// When the EDI settings exist: creates ExeDir + "Send", "Send/Old", "Recv", "Recv/Old" and
// "Result" (one level each, failures ignored), writes the settings back unchanged and, when
// that worked, runs LoadEdiFolders. Does nothing when the settings do not exist.
void PrepareEdiFolders();

// Why SendDir, RecvDir and ResultDir cannot be worked with: two of them name the same folder
// (the build would take a result for a request, a receive a request for a result). Empty when
// they are three different folders.
std::string ExchangeFoldersProblem();

}  // namespace selvane
