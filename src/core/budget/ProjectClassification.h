#pragma once
// The project's category (1..4), which chooses the man-hours of its tasks, follows the building
// type the user picks. A type without a category leaves the category as it was, and only a new
// category moves the task man-hours: picking another type of the same category changes nothing.
#include <QStringView>

namespace belvane {

class ProjectClassification {
public:
    int category() const { return m_category; }
    void setCategory(int category) { m_category = category; }
    // The user picked a building type: true when the project's category changed.
    bool takeBuildingType(QStringView type);

private:
    int m_category = 0;   // 0: no type picked yet
};

} // namespace belvane
