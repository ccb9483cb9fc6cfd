#pragma once
// The state the previous button was painted in, one value for the whole process: buttons keep
// it while the view reports no state (the menu sheet's first page).

namespace tb {

// 1 normal, 2 mouse over, 3 clicked.
int LastPaintedState();
// The widget object sets 1 each time the designer opens; values outside 1..3 are ignored.
void SetLastPaintedState(int nState);

// The view's state when it is 1..3, otherwise the last painted state; remembered as the new
// last painted state.
int ChoosePaintState(int nViewState);

} // namespace tb
