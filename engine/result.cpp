// The out-of-line members of the values libmerovane hands out: what the engine returns is these
// very types.
#include <limits>

#include "engine/conversion.h"
#include "merovane/merovane.h"

namespace merovane {
inline namespace v1 {

namespace {
const std::string kEmpty;
}  // namespace

struct Error::Data {
  Kind kind;
  std::string message;
  std::vector<std::string> candidates, listed;
  std::string category;
};

Error::Error(Kind kind, std::string message, std::vector<std::string> candidates,
             std::vector<std::string> listed, std::string category)
    : data_(std::make_shared<const Data>(Data{kind, std::move(message), std::move(candidates),
                                              std::move(listed), std::move(category)})) {}

Error::Kind Error::kind() const {
  return data_->kind;
}
const std::string& Error::message() const {
  return data_->message;
}
const std::vector<std::string>& Error::candidates() const {
  return data_->candidates;
}
const std::vector<std::string>& Error::listed() const {
  return data_->listed;
}
const std::string& Error::category() const {
  return data_->category;
}

std::string Error::details() const {
  if (data_->listed.empty()) return data_->message;
  std::string details = data_->message;
  details.append(data_->kind == Kind::UnknownCategory ? "; the categories are:"
                                                      : "; its units are:");
  for (const std::string& name : data_->listed) details.append("\n").append(name);
  return details;
}

struct Result::Data {
  Status status;
  Failure failure;
  std::string text, message;
  double value;
};

Result::Result(Status status, std::string text, std::string message, double value, Failure failure)
    : data_(std::make_shared<const Data>(
          Data{status, failure, std::move(text), std::move(message), value})) {}

Result::Status Result::status() const {
  return data_->status;
}
Result::Failure Result::failure() const {
  return data_->failure;
}
const std::string& Result::text() const {
  return data_->status == Status::Converted ? data_->text : kEmpty;
}
double Result::value() const {
  return data_->status == Status::Converted ? data_->value
                                            : std::numeric_limits<double>::quiet_NaN();
}
const std::string& Result::error() const {
  return data_->status == Status::Failed ? data_->text : kEmpty;
}
const std::string& Result::message() const {
  return data_->message;
}

}  // namespace v1
}  // namespace merovane
