// Aligns the working folders with the EDI settings: at start-up and before every exchange.
#pragma once

namespace selvane {

// When the EDI settings exist in the registry, SendDir, RecvDir and ResultDir become the
// settings' folders (with the separator) and EdiLoginId the settings' login ID; otherwise the
// globals keep their values.
void LoadEdiFolders();

// When the EDI settings exist: creates ExeDir + "Send", "Send/Old", "Recv", "Recv/Old" and
// "Result" (one level each, failures ignored), writes the settings back unchanged and, when
// that worked, runs LoadEdiFolders. Does nothing when the settings do not exist.
void PrepareEdiFolders();

}  // namespace selvane
