// A program folder for the backup, restore and reset tests: a seeded database with an order and
// its recipients, closed as the main window closes it before these operations; a removable
// medium simulated by a folder; a dump of every row to compare databases by.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane::test {

// Every row of every table of the database file, in table name and row id order, each value
// quoted as SQL would: equal dumps mean equal data.
std::string DumpDatabase(const std::string& fileName);

// The recorded messages of TScriptedWaitMsg, plus a script for AskBox: every question must have
// its answer queued, with what the user does before answering (change the medium). A question
// without one fails the test.
class TScriptedQuestions : public TScriptedWaitMsg {
 public:
  void Script(int answer, std::function<void()> before = {}) {
    script_.push_back({answer, std::move(before)});
  }
  bool ScriptUsed() const { return script_.empty(); }
  int AskBox(const std::string& message, unsigned buttons) override;

 private:
  struct TStep {
    int Answer;
    std::function<void()> Before;
  };
  std::deque<TStep> script_;
};

// Removable media of one size taking turns in a drive: the drive's mount folder holds the files
// of the medium that is in, and is missing while none is (DiskFree then answers -1). The free
// room of a medium is its capacity less the bytes of its files; other folders answer as the file
// system does.
class TRemovableMedia {
 public:
  TRemovableMedia(std::string mount, std::string shelf, std::int64_t capacity);
  ~TRemovableMedia();

  const std::string& Mount() const { return mount_; }
  // Takes the medium out (it goes to the shelf) and leaves the drive empty.
  void Eject();
  // Puts a new empty medium, or medium number index (0 the first taken out), into the drive.
  void InsertBlank();
  void Insert(int index);
  // Takes out the medium that is in, if any, and puts the next one in (a blank one when all
  // were used).
  void Next();
  // The names and sizes of the files of every medium ever used, in order, as "NAME SIZE".
  std::vector<std::vector<std::string>> Contents() const;
  // The bytes of every medium's files, in medium order and name order, joined.
  std::string JoinedBytes() const;

 private:
  std::string Slot(int index) const;
  std::string mount_;
  std::string shelf_;
  std::int64_t capacity_;
  int count_ = 0;     // media used so far
  int current_ = -1;  // the medium in the drive, -1 for none
};

class TDataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds recipients with names that do not compress, to make the archive larger.
  void AddRecipients(int count);
  // Runs SQL on the database of the program folder.
  void Sql(const std::string& sql);
  std::string Dump() const;
  std::string DatabaseBytes() const;
  // The names in the program folder and its Data folder (hidden ones too), sorted.
  std::vector<std::string> ProgramFiles() const;
  // Sets the mount folder of drive A in SELVANE.ini.
  void SetDriveA(const std::string& folder);

  TTempFolder folder_;
  std::string home_;
  TScriptedQuestions messages_;
};

}  // namespace selvane::test
