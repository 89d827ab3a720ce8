// The runs that every build's end-to-end suite checks the same way, written
// once: what the caller starts, what the list holds, and what the user and
// the caller must see. Each suite supplies a runner for its own OS (a
// terminal or a desktop on Linux, real windows under Wine) and calls
// CheckScenario for every row.
#ifndef TELLAN_TESTS_COMMON_SCENARIOS_H
#define TELLAN_TESTS_COMMON_SCENARIOS_H

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/ExpectedRun.h"

namespace scenarios {

using Lines = std::vector<std::string>;

// One line of a photo list; each suite makes the file it names.
enum class Photo { kAccepted0, kAccepted1, kMissing, kNotAnImage };

// What a user saw of one box.
struct Box {
  std::string title;
  std::string text;
  std::string traceWhenShown;  // the library's trace while the box waited
};

// What a caller sees of one run.
struct Observed {
  bool exited = false;  // by itself, within the suite's time limit
  long exitStatus = -1;
  std::vector<Box> boxes;
};

// The path of the photo list in a row's arguments.
inline const std::string kListArgument = "<list>";

struct Scenario {
  const char* name;
  Lines args;                      // kListArgument stands for the list's path
  bool listExists = true;
  std::vector<Photo> photos;       // the list's lines
  const char* lineEnd = "\n";
  std::map<std::string, std::string> env;  // the stand-in library's settings
  // Expectations.
  bool commandLineAccepted = true;
  const char* boxText = nullptr;   // null: no box
  bool started = false;            // VSLibStart(0) was called
  bool listDeleted = true;
};

// The runs of the hand-off that look the same on every OS.
inline std::vector<Scenario> HandOffScenarios() {
  using P = Photo;
  const Lines run = {"fcc", kListArgument};
  std::vector<Scenario> rows;
  rows.push_back({"some files rejected", run, true, {P::kAccepted0, P::kMissing, P::kAccepted1}, "\r\n",
                  {}, true, expected::kIncNoSupportFile, true, true});
  rows.push_back({"every file accepted", run, true, {P::kAccepted0, P::kAccepted1}, "\n",
                  {}, true, nullptr, true, true});
  rows.push_back({"empty list", run, true, {}, "\n", {}, true, expected::kNoSupportFile, false, true});
  rows.push_back({"missing list", run, false, {}, "\n", {}, true, expected::kNoSupportFile, false, true});
  rows.push_back({"every file rejected", run, true, {P::kMissing, P::kNotAnImage}, "\n",
                  {}, true, expected::kNoSupportFile, false, true});
  rows.push_back({"failed creation", run, true, {P::kAccepted0}, "\n", {{"VSLIB_CREATE_RESULT", "-5"}},
                  true, "An error (-5) has occurred.", false, true});
  rows.push_back({"refused mode", run, true, {P::kAccepted0}, "\n", {{"VSLIB_SETMODE_RESULT", "1"}},
                  true, nullptr, false, true});
  rows.push_back({"-fcc", {"-fcc", kListArgument}, true, {P::kAccepted0}, "\n", {}, true, nullptr, true, true});
  for (Lines refused : {Lines{}, Lines{"fcc"}, Lines{"FCC", kListArgument}, Lines{"fcc", kListArgument, "more"},
                        Lines{"--fcc", kListArgument}, Lines{"", kListArgument}, Lines{"-", kListArgument},
                        Lines{"fcc ", kListArgument}}) {
    rows.push_back({"refused command line", refused, true, {P::kAccepted0}, "\n", {}, false, nullptr, false, false});
  }
  return rows;
}

// The stand-in library's verdict on each kind of line.
inline int CodeOf(Photo photo) {
  switch (photo) {
    case Photo::kMissing:
      return expected::kMissingFileCode;
    case Photo::kNotAnImage:
      return expected::kNotAnImageCode;
    default:
      return 0;
  }
}

// Runs one row through a suite and checks everything a user and a caller can
// see. Suite provides:
//   std::string PhotoPath(Photo)          a file of that kind (or a path to none)
//   std::string ListPath()                where the list goes
//   void WriteList(const std::string&)    writes the list's bytes there
//   void RemoveList(), void RemoveTrace()
//   Lines TraceLines()                    the library's trace, line by line
//   bool Exists(const std::string& path)
//   Observed Run(const Lines& args, const std::map<std::string, std::string>& env)
template <typename Suite>
void CheckScenario(Suite& suite, const Scenario& row) {
  SCOPED_TRACE(std::string(row.name) + " " + ::testing::PrintToString(row.args));
  const std::string list = suite.ListPath();
  suite.RemoveTrace();
  suite.RemoveList();
  Lines reading;
  if (row.listExists) {
    std::string bytes;
    for (Photo photo : row.photos) {
      bytes += suite.PhotoPath(photo) + row.lineEnd;
      reading.push_back(expected::Added(suite.PhotoPath(photo), CodeOf(photo)));
    }
    suite.WriteList(bytes);
  }
  Lines args;
  for (const std::string& arg : row.args) args.push_back(arg == kListArgument ? list : arg);

  const Observed run = suite.Run(args, row.env);
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.exitStatus, 0);

  Lines trace;
  if (row.commandLineAccepted) {
    auto created = row.env.find("VSLIB_CREATE_RESULT");
    auto mode = row.env.find("VSLIB_SETMODE_RESULT");
    if (created != row.env.end()) {
      trace = {"VSLibCreate(0, 0, 0, 0) = " + created->second};
    } else if (mode != row.env.end()) {
      trace = {expected::kCreated, "VSLibSetMode(2) = " + mode->second};
    } else {
      trace = {expected::kCreated, expected::kModeSet};
      trace.insert(trace.end(), reading.begin(), reading.end());
    }
  }
  // Whatever the box says, the library has not been started while it waits.
  Lines whileShown = trace;
  if (row.started) trace.push_back("VSLibStart(0)");
  if (row.commandLineAccepted) trace.push_back("VSLibClose()");
  EXPECT_EQ(suite.TraceLines(), trace);

  if (row.boxText == nullptr) {
    EXPECT_TRUE(run.boxes.empty());
  } else if (run.boxes.size() != 1u) {
    ADD_FAILURE() << "expected one box, saw " << run.boxes.size();
  } else {
    EXPECT_EQ(run.boxes[0].title, expected::kTitle);
    EXPECT_EQ(run.boxes[0].text, row.boxText);
    std::string shownTrace;
    for (const std::string& line : whileShown) shownTrace += line + "\n";
    EXPECT_EQ(run.boxes[0].traceWhenShown, shownTrace);
  }
  EXPECT_EQ(suite.Exists(list), row.listExists && !row.listDeleted);
}

}  // namespace scenarios

#endif
