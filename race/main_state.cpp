#include "race/main_state.h"

MainState& Main() {
  // Large: static storage, never the stack.
  static MainState state;
  return state;
}
