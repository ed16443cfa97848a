// The frame that every bank format's writer runs in. For one batch it opens the request file
// (the order's SendName in the send folder, appended to when it exists), writes the envelope
// line, adds the batch's line to the exchange list, lets the format write its header, data and
// end records, and closes the file. Every line ends with CR LF.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>

#include "edi/Batch.h"
#include "edi/ExchangeView.h"
#include "formats/RecordLayout.h"

namespace selvane {

// The request file cannot be named, opened or written, or the format cannot form a record.
class TSendFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The envelope line that heads every request file: 61 bytes.
inline constexpr std::array<TLayoutField, 9> kEnvelopeLine{{
    {1, 10, TFill::Constant, "<<NEHEAD>>"},
    {11, 1, TFill::Constant, "1"},
    {12, 1, TFill::Constant, "N"},
    {13, 10, TFill::Constant, "0000000000"},
    {23, 10, TFill::Blank, ""},
    {33, 10, TFill::Blanks, "LoginID"},  // the EDI user ID
    {43, 6, TFill::Blanks, "SendName"},
    {49, 3, TFill::Constant, "001"},
    {52, 10, TFill::Blanks, "Bcode"},  // the bank's ID on the network
}};
static_assert(LayoutWidth(kEnvelopeLine) == 61);

// The envelope line of the order's request file, for the EDI user ID EdiLoginId.
std::string EnvelopeLine(const TBatchOrder& order);

// The request file of the order: SendDir followed by its SendName. Throws TSendFileError for a
// name that is empty or is not a plain file name.
std::string RequestFileName(const TBatchOrder& order);

class TBatchWriter {
 public:
  virtual ~TBatchWriter() = default;

  // Writes the batch through the frame. Throws TSendFileError, TEncodingError for a value
  // without a CP949 form, or TDataError; what was written before stays in the file.
  void WriteBatch(const TBatch& batch, IExchangeView& view);

 protected:
  virtual void ResetCounters() = 0;
  virtual void WriteHeader(const TBatch& batch) = 0;
  // Called for every recipient of the batch; writes a record only for a pending one.
  virtual void WriteData(const TBatch& batch, const TBatchRecipient& recipient) = 0;
  virtual void WriteEnd(const TBatch& batch) = 0;

  // Writes one record followed by CR LF.
  void PutRecord(const std::string& record);

 private:
  std::ofstream* file_ = nullptr;
  std::string fileName_;
};

}  // namespace selvane
