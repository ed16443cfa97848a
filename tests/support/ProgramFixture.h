// A fresh program folder with a seeded database, opened in a data module, with the working
// folders pointing at it; and a few rows every transfer test needs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane::test {

class TProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void AddInstitution(int id, const std::string& name, const std::string& bank);
  void AddDong(const std::string& id, const std::string& name);
  void AddItem(const std::string& id, const std::string& name);
  // An order in state Waiting, positioned in TB_Trans, with the order context set to it.
  void AddOrder(int kigwan, const std::string& dong, const std::string& item,
                const std::string& bank);
  // The recipients of the table in key order, as "BankId BankNo" texts.
  std::vector<std::string> RecipientAccounts();

  TTempFolder folder_;
  TDModule dm_;
  TScriptedWaitMsg messages_;
};

}  // namespace selvane::test
