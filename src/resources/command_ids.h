#pragma once

#include <wx/defs.h>

namespace kep {

// Commands without a standard identifier of the toolkit. The standard commands
// (wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_PRINT, wxID_ABOUT, ...) keep theirs.
enum CommandId : int {
  kIdViewToolBar = wxID_HIGHEST + 1,
  kIdViewStatusBar,
  kIdWindowNew,
  kIdNextPane,
  kIdPreviousPane,
  // Tables of a document in windows of their own, enabled where the document
  // has them.
  kIdSkippedFiles,
  kIdParticles,
  kIdLocalDimensions,
};

}  // namespace kep
