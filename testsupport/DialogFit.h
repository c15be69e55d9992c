#pragma once
// What a user finds cut in a window at the size it opens with: a control
// whose text is wider (or, wrapped, taller) than the control, a list heading
// or cell wider than its column, or a control that lies outside the window. One line per fault,
// naming the control by its text; empty when everything fits.
#include <string>
#include <vector>

class TWindow;

namespace testsupport {

std::vector<std::string> FitProblems(TWindow& window);

} // namespace testsupport
