#include "NetPost32.h"

#include <exception>
#include <string>

#include "EnvSetup.h"
#include "Mailbox.h"
#include "core/Cp949.h"

using namespace selvane;

namespace {

// Calls step with the program key in UTF-8; nothing escapes the C interface.
template <typename TStep>
int Guarded(const char* programKey, TStep step) {
  netpost::LastError().clear();
  if (programKey == nullptr) return NETPOST32_REGISTRY;
  try {
    return step(FromCp949(programKey));
  } catch (const TEncodingError& error) {
    netpost::LastError() = error.what();
    return NETPOST32_REGISTRY;
  } catch (const std::exception& error) {
    netpost::LastError() = error.what();
    return NETPOST32_STOPPED;
  }
}

std::string g_lastErrorCp949;

}  // namespace

extern "C" {

int EnvSetup(const char* programKey) {
  return Guarded(programKey, [](const std::string& key) { return netpost::RunEnvSetup(key); });
}

int Send(const char* programKey) {
  return Guarded(programKey, [](const std::string& key) { return netpost::SendFiles(key); });
}

int Receive(const char* programKey) {
  return Guarded(programKey, [](const std::string& key) { return netpost::ReceiveFiles(key); });
}

int SendReceive(const char* programKey, int* sendResult, int* receiveResult) {
  int sent = NETPOST32_STOPPED, received = NETPOST32_STOPPED;
  int result = Guarded(programKey, [&](const std::string& key) {
    return netpost::SendAndReceive(key, sent, received);
  });
  if (sendResult != nullptr) *sendResult = sent;
  if (receiveResult != nullptr) *receiveResult = received;
  return result;
}

int ReReceive(const char* programKey) {
  return Guarded(programKey, [](const std::string& key) { return netpost::ReReceiveFiles(key); });
}

const char* NetPost32Version(void) {
  return NETPOST32_VERSION;
}

const char* NetPost32LastError(void) {
  if (!TryToCp949(netpost::LastError(), g_lastErrorCp949)) g_lastErrorCp949.clear();
  return g_lastErrorCp949.c_str();
}

}  // extern "C"
