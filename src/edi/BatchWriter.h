// The frame that every bank format's writer runs in. For one batch it opens the request file
// (the order's SendName in the send folder, appended to when it exists) and any further file the
// format writes beside it (that name with a suffix), writes the envelope line into each, lets
// the format write its header, data and end records, closes the files and adds the batch's one
// line to the exchange list. Every line ends with CR LF.
//
// A recipient whose account or amount does not fit its field is held back: no record is written
// for it, the counts and totals leave it out, it stays pending and the result names it.
#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "edi/Batch.h"
#include "edi/ExchangeView.h"
#include "formats/RecordLayout.h"

namespace selvane {

// The request file cannot be named, opened or written, or the format cannot form a record.
class TSendFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A batch the format cannot carry as its settings stand (the message names the institution and
// why). Thrown before the request file is opened: the build writes the other batches and leaves
// this one pending.
class TBatchRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A recipient the format cannot carry for another reason than a field that does not fit (the
// message names it and why). Thrown by WriteData before anything of the recipient is written or
// counted: the frame holds the recipient back with that message.
class TRecipientHeldBack : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TEnvelopeValues {
  TFieldValue LoginID;  // the EDI user ID
  TFieldValue SendName;
  TFieldValue Bcode;  // the bank's ID on the network
};

// The envelope line that heads every request file: 61 bytes.
inline constexpr TRecordLayout<TEnvelopeValues, 9> kEnvelopeLine{{
    {1, 10, TFill::Constant, nullptr, "<<NEHEAD>>"},
    {11, 1, TFill::Constant, nullptr, "1"},
    {12, 1, TFill::Constant, nullptr, "N"},
    {13, 10, TFill::Constant, nullptr, "0000000000"},
    {23, 10, TFill::Filler},
    {33, 10, TFill::Text, &TEnvelopeValues::LoginID},
    {43, 6, TFill::Text, &TEnvelopeValues::SendName},
    {49, 3, TFill::Constant, nullptr, "001"},
    {52, 10, TFill::Text, &TEnvelopeValues::Bcode},
}};
static_assert(LayoutWidth(kEnvelopeLine) == 61);

// The envelope line of the order's request file, for the EDI user ID EdiLoginId.
std::string EnvelopeLine(const TBatchOrder& order);

// The request file of the order: SendDir followed by its SendName. Throws TSendFileError for a
// name that is empty or is not a plain file name.
std::string RequestFileName(const TBatchOrder& order);

// What a batch's writer did.
struct TBatchResult {
  std::vector<std::int64_t> Written;  // recipient rows with a record, in the batch's order
  std::vector<std::string> HeldBack;  // one warning per recipient held back, naming it and why
  std::vector<std::string> Warnings;  // about the batch as a whole, e.g. recipients not carried
};

// The warning for a recipient held back because a value does not fit its field.
std::string HeldBackWarning(const TBatchRecipient& recipient, const TFieldDoesNotFit& misfit);

class TBatchWriter {
 public:
  virtual ~TBatchWriter() = default;

  // Writes the batch through the frame. Throws TSendFileError, TEncodingError for a value
  // without a CP949 form, or TDataError; what was written before stays in the file.
  TBatchResult WriteBatch(const TBatch& batch, IExchangeView& view);

 protected:
  virtual void ResetCounters() = 0;
  virtual void WriteHeader(const TBatch& batch) = 0;
  // Called for every recipient of the batch; writes the recipient's record and answers true, or
  // answers false for a recipient the format does not write. Throws TFieldDoesNotFit or
  // TRecipientHeldBack before anything of the recipient is written or counted.
  virtual bool WriteData(const TBatch& batch, const TBatchRecipient& recipient) = 0;
  virtual void WriteEnd(const TBatch& batch) = 0;
  // The suffixes of the request files the format writes besides the main one, each named
  // SendName followed by its suffix; file 1 is the first of them.
  virtual std::vector<std::string> FurtherFileSuffixes() const { return {}; }
  // After the end records: warnings about the batch as a whole.
  virtual std::vector<std::string> BatchWarnings(const TBatch&) const { return {}; }

  // Writes one record followed by CR LF into the main file (0) or a further file.
  void PutRecord(const std::string& record, std::size_t file = 0);

 private:
  std::vector<std::ofstream>* files_ = nullptr;
  std::vector<std::string> fileNames_;
};

}  // namespace selvane
