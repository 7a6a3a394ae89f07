#pragma once
// The read-only instruction notes of the resources sub-page: how to rate the complexity of a
// task, and what each complexity indicator means at each level.
#include <QString>

namespace belvane {

QString taskComplexityNote();       // NxMemo6
QString complexityIndicatorNote();  // NxMemo4
QString technicalTeamNote();        // NxMemo1

} // namespace belvane
