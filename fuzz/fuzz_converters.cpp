// Fuzzes every category's conversion on in-memory controls: fuzzed source texts, keystrokes and
// selections (none, one side, both, any position), each followed by a conversion as a click in the
// category's list runs it, with every outcome checked against what a click may do and against
// what the conversion API (pair converter and chart) gives for the same text and pair.
//
// Input: a run of steps, each a category, an action and the action's bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "categories/categories.h"
#include "core/runtime.h"
#include "engine/conversion.h"
#include "engine/frame.h"
#include "fuzz/invariant.h"
#include "tests/support/memoryform.h"

namespace merovane::fuzz {
namespace {

constexpr int kMostSteps = 40;
constexpr size_t kLongestText = 320;
const bool kTrace = std::getenv("MEROVANE_FUZZ_TRACE") != nullptr;

bool showsmessages(const CategoryRecord& category) {
  return category.failures == FailureDisplay::MessageBox;
}
// The result grids fill every cell whatever is selected.
bool isresultgrid(const CategoryRecord& category) {
  return category.shape != Shape::PairScan;
}

struct Failure {
  std::string description;
  bool operator==(const Failure&) const = default;
};

// Records every failure, then shows it as the category does.
class RecordingDisplay : public Reporter {
 public:
  RecordingDisplay(const CategoryRecord& category, MessageBox& box)
      : display_(category.failures, box) {}
  void failed(const std::string& description) override {
    failures.push_back({description});
    display_.failed(description);
  }
  std::vector<Failure> failures;

 private:
  DisplayReporter display_;
};

// What one click did.
struct Outcome {
  int writes = 0;
  std::string text;  // the destination box afterwards
  std::vector<std::string> messages;
  std::vector<Failure> failures;
  bool operator==(const Outcome&) const = default;
};

// Every control's state except one destination box, to see that a click changes nothing else.
struct WindowState {
  std::vector<std::string> texts;
  std::vector<int> numbers;
  bool operator==(const WindowState&) const = default;
};

WindowState windowstate(MemoryForm& form, CategoryId except) {
  WindowState state;
  for (int c = 0; c < kCategoryCount; ++c) {
    const auto id = static_cast<CategoryId>(c);
    MemoryForm::Panel& panel = form.panel(id);
    state.texts.push_back(panel.sourcebox.Text());
    state.numbers.push_back(panel.sourcebox.writes());
    state.numbers.push_back(panel.sourcelist.ListIndex());
    state.numbers.push_back(panel.destinationlist.ListIndex());
    if (id == except) continue;
    state.texts.push_back(panel.destinationbox.Text());
    state.numbers.push_back(panel.destinationbox.writes());
  }
  return state;
}

std::string describe(const Outcome& outcome) {
  std::string text = "writes " + std::to_string(outcome.writes) + ", box " +
                     printable(outcome.text) + ", " + std::to_string(outcome.messages.size()) +
                     " messages";
  for (const Failure& failure : outcome.failures) text += ", failed: " + failure.description;
  return text;
}

class Session {
 public:
  Session() : form_(unitcounts()) {}

  void run(FuzzedDataProvider& input) {
    for (int step = 0; step < kMostSteps && input.remaining_bytes() > 0; ++step) {
      const CategoryRecord& category =
          categories()[input.ConsumeIntegralInRange<size_t>(0, kCategoryCount - 1)];
      act(category, input);
      if (kTrace) trace(category);
      check(category);
    }
  }

 private:
  enum class Action {
    Type,
    KeyPress,
    SelectSource,
    SelectDestination,
    kMaxValue = SelectDestination
  };

  void act(const CategoryRecord& category, FuzzedDataProvider& input) {
    MemoryForm::Panel& panel = form_.panel(category.id);
    // -1 and the count itself both leave the list without a selection.
    const int units = static_cast<int>(category.units.size());
    switch (input.ConsumeEnum<Action>()) {
      case Action::Type:
        panel.sourcebox.SetText(input.ConsumeRandomLengthString(kLongestText));
        break;
      case Action::KeyPress: {
        // What the key filter lets through: Backspace, the point, the slash and the digits.
        static constexpr std::string_view kKeys = "\b./0123456789";
        const char key = kKeys[input.ConsumeIntegralInRange<size_t>(0, kKeys.size() - 1)];
        std::string text = panel.sourcebox.Text();
        if (key != '\b') {
          text += key;
        } else if (!text.empty()) {
          text.pop_back();
        }
        panel.sourcebox.SetText(text);
        break;
      }
      case Action::SelectSource:
        panel.sourcelist.select(input.ConsumeIntegralInRange<int>(-1, units));
        break;
      case Action::SelectDestination:
        panel.destinationlist.select(input.ConsumeIntegralInRange<int>(-1, units));
        break;
    }
  }

  // Each step as it runs, to follow a failing input (MEROVANE_FUZZ_TRACE=1).
  void trace(const CategoryRecord& category) {
    MemoryForm::Panel& panel = form_.panel(category.id);
    std::fprintf(stderr, "%s: text %s, from %d to %d\n", std::string(category.caption).c_str(),
                 printable(panel.sourcebox.Text()).c_str(), panel.sourcelist.ListIndex(),
                 panel.destinationlist.ListIndex());
  }

  Outcome click(const CategoryRecord& category) {
    MemoryForm::Panel& panel = form_.panel(category.id);
    MemoryTextBox& box = panel.destinationbox;
    const int writes = box.writes();
    messagebox_.clear();
    RecordingDisplay reporter(category, messagebox_);
    const WindowState before = windowstate(form_, category.id);
    convert(category, panel.sourcelist, panel.destinationlist, panel.sourcebox, box, reporter);
    require(windowstate(form_, category.id) == before,
            "a click changes nothing but its category's destination box",
            [&] { return std::string(category.caption); });
    Outcome outcome;
    outcome.writes = box.writes() - writes;
    outcome.text = box.Text();
    for (const auto& message : messagebox_.messages()) outcome.messages.push_back(message.prompt);
    outcome.failures = reporter.failures;
    return outcome;
  }

  void check(const CategoryRecord& category) {
    MemoryForm::Panel& panel = form_.panel(category.id);
    const std::string source = panel.sourcebox.Text();
    const int from = panel.sourcelist.ListIndex();
    const int to = panel.destinationlist.ListIndex();
    const bool bothselected = from >= 0 && to >= 0;
    const std::string previous = panel.destinationbox.Text();

    const Outcome outcome = click(category);
    const auto context = [&] {
      return std::string(category.caption) + ", text " + printable(source) + ", from " +
             std::to_string(from) + " to " + std::to_string(to) + ": " + describe(outcome);
    };

    require(outcome.writes <= 1, "a click writes at most once", context);
    require(outcome.writes == 1 || outcome.text == previous,
            "without a write the destination box keeps its text", context);
    require(outcome.failures.size() <= 1, "a click fails at most once", context);
    require(outcome.failures.empty() || outcome.writes == 0, "a failed click writes nothing",
            context);
    for (const Failure& failure : outcome.failures)
      require(failure.description == kTypeMismatch || failure.description == kOverflow ||
                  failure.description == kFloatingPoint,
              "converters raise only runtime errors", context);
    if (showsmessages(category)) {
      require(outcome.messages.size() == outcome.failures.size(),
              "Bits and Bytes and Weight show one message per failure", context);
      require(outcome.messages.empty() || outcome.messages[0] == outcome.failures[0].description,
              "the message is the error's description", context);
    } else {
      require(outcome.messages.empty(), "only Bits and Bytes and Weight show messages", context);
    }

    std::optional<std::string> unreadable;
    double value = 0;
    try {
      value = texttonumber(source);
    } catch (const RuntimeError& error) {
      unreadable = error.Description();
    }

    if (source.empty()) {
      require(outcome.writes == 0 && outcome.messages.empty(),
              "an empty text writes nothing and shows nothing", context);
      require(outcome.failures.empty() == isresultgrid(category),
              "an empty text ends a result grid quietly and fails a pair scan", context);
    } else if (unreadable) {
      require(outcome.failures.size() == 1 && outcome.failures[0].description == *unreadable,
              "a text that is no number fails its reading", context);
    } else {
      require(outcome.failures.empty() || outcome.failures[0].description == kFloatingPoint,
              "a number fails only in a product", context);
      require(bothselected || outcome.writes == 0, "without both selections nothing is written",
              context);
      require(bothselected || isresultgrid(category) || outcome.failures.empty(),
              "a pair scan without both selections computes no product", context);
      require(!bothselected || !outcome.failures.empty() || outcome.writes == 1,
              "a number with both units selected is written", context);
      require(isresultgrid(category) || from != to || !bothselected || outcome.failures.empty(),
              "a pair scan's identity pair never fails", context);
      if (outcome.writes == 1) checkwritten(outcome.text, from == to, value, context);
      if (bothselected) checkapi(category, source, from, to, outcome, context);
      if (isresultgrid(category)) checkgridfailsforall(category, outcome);
    }

    // The same click again, from the same box, does the same.
    panel.destinationbox.SetText(previous);
    require(click(category) == outcome, "a click is deterministic", context);
    panel.destinationbox.SetText(outcome.text);
  }

  template <class Context>
  void checkwritten(const std::string& text, bool identity, double value, Context&& context) {
    try {
      texttonumber(text);
    } catch (const RuntimeError&) {
      std::string_view magnitude = text;
      if (!magnitude.empty() && magnitude[0] == '-') magnitude.remove_prefix(1);
      // The largest doubles' 15-digit text lies just beyond the double range.
      require(magnitude == "1.79769313486232E+308", "a written text reads back as a number",
              context);
    }
    require(!identity || text == numbertotext(value), "the same unit on both sides shows the value",
            context);
  }

  // The conversion path's pair converter (which works out only the selected cell of a result
  // grid) and its chart give what the click gave.
  template <class Context>
  void checkapi(const CategoryRecord& category, const std::string& source, int from, int to,
                const Outcome& click, Context&& context) {
    // A pair converter works out its grid's edges once: keep them for the whole run.
    static std::map<std::tuple<CategoryId, int, int>, PairConverter> converters;
    const auto key = std::tuple(category.id, from, to);
    auto found = converters.find(key);
    if (found == converters.end())
      found = converters.emplace(key, PairConverter(category, from, to, {Mode::Tables})).first;
    const auto same = [&](const Result& result) {
      switch (result.status()) {
        case Result::Status::Converted:
          return click.failures.empty() && click.writes == 1 && result.text() == click.text;
        case Result::Status::Nothing:
          return click.failures.empty() && click.writes == 0;
        case Result::Status::Failed:
          return click.failures.size() == 1 && click.failures[0] == Failure{result.error()};
      }
      return false;
    };
    require(same(found->second.convert(source)), "a pair converter converts as a click does",
            context);
    const int units = static_cast<int>(category.units.size());
    require(same(chart(category, source, {Mode::Tables})[static_cast<size_t>(from * units + to)]),
            "a chart's cell is what a click shows", context);
  }

  // A result grid fills every cell whatever is selected, so whether it fails does not depend on
  // the selection: with the lists cleared, with the pair reversed, with the first and last units
  // (the pairs furthest apart) or with any pair selected earlier in the session, it fails (or
  // not) just the same.
  void checkgridfailsforall(const CategoryRecord& category, const Outcome& selected) {
    MemoryForm::Panel& panel = form_.panel(category.id);
    const std::string text = panel.sourcebox.Text();
    const auto describeboth = [&](const std::string& other, const std::string& outcome) {
      return std::string(category.caption) + ", text " + printable(text) + ": " +
             describe(selected) + "; " + other + ": " + outcome;
    };
    const auto entry = gridfailures_.try_emplace({category.id, text}, selected.failures);
    const std::vector<Failure>& earlier = entry.first->second;
    require(entry.second || earlier == selected.failures,
            "a result grid fails or not whatever pair is selected", [&] {
              return describeboth("with an earlier selection",
                                  earlier.empty() ? "no failure" : "failed");
            });

    const int from = panel.sourcelist.ListIndex();
    const int to = panel.destinationlist.ListIndex();
    const std::string kept = panel.destinationbox.Text();
    const int last = static_cast<int>(category.units.size()) - 1;
    const std::pair<int, int> others[] = {{-1, -1}, {to, from}, {0, last}, {last, 0}};
    for (const auto& [source, destination] : others) {
      panel.sourcelist.select(source);
      panel.destinationlist.select(destination);
      const Outcome other = click(category);
      panel.destinationbox.SetText(kept);
      const std::string pair =
          "from " + std::to_string(source) + " to " + std::to_string(destination);
      require(other.failures == selected.failures,
              "a result grid fails or not whatever pair is selected",
              [&] { return describeboth(pair, describe(other)); });
      require((source >= 0 && destination >= 0) || other.writes == 0,
              "without both selections nothing is written",
              [&] { return describeboth(pair, describe(other)); });
    }
    panel.sourcelist.select(from);
    panel.destinationlist.select(to);
  }

  MemoryForm form_;
  MemoryMessageBox messagebox_;
  // How each result grid's click ended for each text, by category and text.
  std::map<std::pair<CategoryId, std::string>, std::vector<Failure>> gridfailures_;
};

}  // namespace
}  // namespace merovane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  merovane::fuzz::Session session;
  session.run(input);
  return 0;
}
