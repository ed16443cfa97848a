// The rules every result-file reader follows, whatever its record layout. A header selects the
// institution (or none); a data record is applied only to a sent recipient of the selected
// institution, and only while that institution has an order waiting for its result; an end
// record closes the group of records since the header: it marks the institution's sent orders
// received and gives the group's list line. Every record that is passed over is reported with
// its number, kind and reason. The format's reader only takes the fields out of its records.
#pragma once

#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/DM.h"
#include "core/Money.h"
#include "edi/ResultReport.h"
#include "edi/ResultStore.h"

namespace selvane {

// A result file that ends the receive run, where its format makes a fault of the file an error
// (an end count that is not a number): the whole run is undone and the reason shown.
class TResultFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TResultReader {
 public:
  // fileName: the file being read; its name, in upper case, goes into the list lines.
  TResultReader(const std::string& fileName, TDModule& dm);

  // A header record: selects the institution with this bank and user number (or the code the
  // format's header carries), or none (the record is then reported).
  void Header(int recordNo, std::string_view record, const std::string& bankId,
              const std::string& code, TInstitutionCode which = TInstitutionCode::CorCode);
  // A header record given by its bank and user number fields as they stand (CP949; the user
  // number is trimmed); a field that is not CP949 selects none.
  void HeaderFields(int recordNo, std::string_view record, std::string_view bankField,
                    std::string_view corCodeField);
  // Selects an institution found by other means, or none with the reason reported.
  void Select(const std::optional<TResultInstitution>& institution, int recordNo,
              std::string_view record, const std::string& noneReason);
  const std::optional<TResultInstitution>& Selected() const { return selected_; }
  // The selected institution takes the data records of its group without a sent order: its
  // recipients are made from the file.
  void TakeAllRecords() { waiting_ = selected_.has_value(); }

  // A data record starts: false, with the record reported, when it cannot be applied (no
  // institution selected, or the institution has no sent order).
  bool CanApply(int recordNo, std::string_view record);
  // The result on a sent recipient of the selected institution; true when one matched.
  bool Apply(const std::string& bankId, const std::string& accountNo, TMoney amount,
             const std::string& result,
             const std::optional<std::string>& largeitmId = std::nullopt);
  // Counts a data record that was applied by Apply, or reports it with the reason.
  void Applied(bool applied, int recordNo, std::string_view record, const std::string& missReason);
  // The bank, account (trimmed) and result fields of a data record decoded from CP949; false,
  // with the record reported, when one of them is not CP949.
  bool DataFields(int recordNo, std::string_view record, std::string_view bankField,
                  std::string_view accountField, std::string_view resultField, std::string& bankId,
                  std::string& account, std::string& result);
  // The usual data record: CanApply, then Apply with the account as recipients store it, and a
  // record without a match reported. With an item, a recipient of that item is taken first,
  // else any.
  void Data(int recordNo, std::string_view record, const std::string& bankId,
            const std::string& account, TMoney amount, const std::string& result,
            const std::optional<std::string>& largeitmId = std::nullopt);

  // A header or data record whose fields are no CP949 text: reported (a header then selects
  // no institution).
  void HeaderNotReadable(int recordNo, std::string_view record);
  void DataNotReadable(int recordNo, std::string_view record);
  // A data record whose account can stand for more than one stored account: the result goes to
  // the first of accountsNo, in their order, that has a matching sent recipient. A record without
  // a match is reported with the first.
  void DataOfAccounts(int recordNo, std::string_view record, const std::string& bankId,
                      std::span<const std::string> accountsNo, TMoney amount,
                      const std::string& result);

  // An end record with its count of data records; nullopt when the count cannot be read, which
  // makes the end invalid (the file is then not whole).
  void End(int recordNo, std::string_view record, std::optional<int> count);
  // An end record whose count field must be a whole number (blanks around it allowed); the list
  // shows it less the records it counts besides the data records. Throws TResultFileError, naming
  // the file and the record, when it is not one.
  void EndOfWholeCount(int recordNo, std::string_view record, std::string_view countField,
                       int besidesData);

  // A record passed over; a short tail after the last record does not make the file unwhole.
  void Skip(int recordNo, std::string_view record, std::string reason);
  void SkipTail(int recordNo, std::string_view bytes, std::string reason);

  // Opened set, Complete computed, the lines of the groups.
  TResultReport Finish();

  TResultStore& Store() { return store_; }
  const std::string& FileName() const { return fileName_; }

 private:
  void Closed(bool validEnd);

  TResultStore store_;
  std::string fileName_;
  std::optional<TResultInstitution> selected_;
  bool waiting_ = false;  // the selected institution has a sent order
  // Institutions that had a sent order at a header of this file: a later group of the same
  // file still answers them after an end record marked their orders received.
  std::set<int> waitingInFile_;
  int groupApplied_ = 0;
  int groupSkipped_ = 0;
  bool lastWasEnd_ = false;
  bool validEnds_ = true;
  bool anyEnd_ = false;
  TResultReport report_;
};

}  // namespace selvane
