// Named points inside the engine at which a test can hold a station (a process) or end it, to
// stage a station that dies in the middle of a change.
//
// The points exist only in the engine the tests link (the library suite_isam_test_points, built
// with ISAM_TEST_POINTS); there the tests define IsamTestPoint.  Everywhere else it is an empty
// inline function and the engine carries no hook.
#pragma once

enum class IsamPoint {
  // Network mode without save mode, inside the publication of a change: the other stations' slots
  // are flagged and the pages and key headers written, the data header (with OpenFlag 0) not yet.
  PublishBeforeDataHeader,
  // Save mode, at the end of a changing operation: its pages and headers are written and the data
  // and index files committed, the journal not yet cut back.
  CommitBeforeJournalEnd,
};

#ifdef ISAM_TEST_POINTS
void IsamTestPoint(IsamPoint point);
#else
inline void IsamTestPoint(IsamPoint) {}
#endif
