#pragma once

class QWidget;

namespace orvanta {

// Makes Tab walk the controls inside area in the order the eye reads them: line by line from
// the top, left to right within a line (controls whose heights overlap share a line). Widgets
// are created in the order their code builds them, which for a grid of check boxes is column by
// column. Needs the area laid out.
void OrderTabsAsRead(QWidget &area);

} // namespace orvanta
