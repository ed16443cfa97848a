// The component's network: a mailbox folder with outbox/LOGINID/ (requests for the banks),
// inbox/LOGINID/ (their answers) and received/LOGINID/ (the last batch received, for a second
// fetch). The exchange steps behind the C interface, without any window.
#pragma once

#include <string>

#include "core/EdiSettings.h"

namespace selvane::netpost {

// The key of the component's own values.
std::string NetworkKey(const std::string& programKey);
// The mailbox folder with the separator: the Mailbox value of the network key, or "Mailbox/" in
// the program folder when it is missing or blank.
std::string MailboxFolder(const std::string& programKey);
// Stores the settings record and the mailbox folder; false with the reason when it fails.
bool SaveSetup(const TEdiConfig& config, const std::string& mailbox, std::string& error);

// The reason of the last failure (UTF-8), set with its result code; cleared by the caller.
std::string& LastError();

int SendFiles(const std::string& programKey);
int ReceiveFiles(const std::string& programKey);
int ReReceiveFiles(const std::string& programKey);
int SendAndReceive(const std::string& programKey, int& sendResult, int& receiveResult);

}  // namespace selvane::netpost
