// The hand-off of one run: the imaging library from its creation to its
// closing, and the submission of the photo list. The host dialog runs it
// from its initialisation; tests run it without a dialog.
#ifndef TELLAN_HANDOFF_HANDOFF_H
#define TELLAN_HANDOFF_HANDOFF_H

#include "framework/afx.h"

namespace handoff {

// What the submission of a list leaves the run to do.
enum class Submission {
  kStartLibrary,   // at least one file was accepted
  kNothingToStart, // the list could not be opened, had no line, or every file was rejected
  kListUnread,     // the list could not be read to its end: nothing is started, the list stays
};

// Creates the library, sets its mode, submits the list, starts and closes
// the library and deletes the list, telling the user of problems in boxes.
void HandOff(const CString& strPhotoListPath);

// Hands every line of the list to the library, counts the rejections and
// shows the box the outcome asks for. Only after the mode was set.
Submission SubmitPhotoList(const CString& strPhotoListPath);

}  // namespace handoff

#endif
