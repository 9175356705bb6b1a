#include "resources/texts.h"

const char* EnglishText(Text id) {
  switch (id) {
    case Text::CaptionError: return "Error";
    case Text::CaptionMessage: return "Message";
    case Text::CaptionBeCareful: return "Be careful";
  }
  return "";
}
