// Every text the operator sees, by id. Each language's table (resources/en, fr, es) is a
// switch over all ids, so the compiler refuses a table that misses one.
#pragma once

enum class Text {
  CaptionError,
  CaptionMessage,
  CaptionBeCareful,
};
