#include "tests/support/drawn_texts.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace testsupport {
namespace {

// What the records drawn so far have set on the device context.
struct State {
  LOGFONTW font = {};
  UINT align = TA_LEFT | TA_TOP;
  POINT position = {};
};

struct Reader {
  std::map<DWORD, LOGFONTW> fonts;  // by handle table index
  State state;
  std::vector<State> saved;
  Drawing drawing;
};

std::string Windows1252(const std::wstring& wide) {
  std::string text(wide.size() * 2 + 1, '\0');
  text.resize(WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                  static_cast<int>(text.size()), "?", nullptr));
  return text;
}

// The advances of the characters of a text record: its own, or as the font measures them.
std::vector<int> Advances(const EMRTEXT& text, const BYTE* record, const std::wstring& characters,
                          const LOGFONTW& font) {
  std::vector<int> advances(characters.size());
  if (text.offDx) {
    const INT* dx = reinterpret_cast<const INT*>(record + text.offDx);
    std::copy(dx, dx + characters.size(), advances.begin());
    return advances;
  }
  HDC screen = GetDC(nullptr);
  HFONT handle = CreateFontIndirectW(&font);
  HGDIOBJ old = SelectObject(screen, handle);
  std::vector<int> ends(characters.size());
  SIZE size = {};
  GetTextExtentExPointW(screen, characters.data(), static_cast<int>(characters.size()), 0, nullptr, ends.data(), &size);
  SelectObject(screen, old);
  DeleteObject(handle);
  ReleaseDC(nullptr, screen);
  for (std::size_t i = 0; i < ends.size(); ++i) advances[i] = ends[i] - (i ? ends[i - 1] : 0);
  return advances;
}

void ReadText(Reader& reader, const ENHMETARECORD* record, bool wide) {
  const BYTE* bytes = reinterpret_cast<const BYTE*>(record);
  const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
  std::wstring characters;
  if (wide) {
    const WCHAR* string = reinterpret_cast<const WCHAR*>(bytes + text.offString);
    characters.assign(string, string + text.nChars);
  } else {
    const char* string = reinterpret_cast<const char*>(bytes + text.offString);
    characters.resize(text.nChars);
    characters.resize(MultiByteToWideChar(1252, 0, string, static_cast<int>(text.nChars), &characters[0],
                                          static_cast<int>(text.nChars)));
  }
  if (characters.empty()) return;
  const std::vector<int> advances = Advances(text, bytes, characters, reader.state.font);
  int total = 0;
  for (int advance : advances) total += advance;
  std::size_t shown = characters.size();
  while (shown > 0 && characters[shown - 1] == L' ') --shown;
  int ink = 0;
  for (std::size_t i = 0; i < shown; ++i) ink += advances[i];
  const UINT align = reader.state.align;
  int left = text.ptlReference.x;
  if ((align & TA_CENTER) == TA_CENTER) {
    left -= total / 2;
  } else if (align & TA_RIGHT) {
    left -= total;
  }
  const int height = std::abs(static_cast<int>(reader.state.font.lfHeight));
  const int top = (align & TA_BOTTOM) == TA_BOTTOM ? text.ptlReference.y - height : text.ptlReference.y;
  reader.drawing.texts.push_back({Windows1252(characters.substr(0, shown)), {left, top, left + ink, top + height}, height});
}

// A fill is a blit without a source; a picture has one.
template <typename Blit>
void ReadPicture(Reader& reader, const ENHMETARECORD* record) {
  const Blit* blit = reinterpret_cast<const Blit*>(record);
  if (blit->cbBmiSrc) {
    reader.drawing.pictures.push_back({blit->xDest, blit->yDest, blit->xDest + blit->cxDest, blit->yDest + blit->cyDest});
  }
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  Reader& reader = *reinterpret_cast<Reader*>(data);
  State& state = reader.state;
  switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
      const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
      reader.fonts[font->ihFont] = font->elfw.elfLogFont;
      break;
    }
    case EMR_SELECTOBJECT: {
      const auto found = reader.fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
      if (found != reader.fonts.end()) state.font = found->second;
      break;
    }
    case EMR_DELETEOBJECT: reader.fonts.erase(reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject); break;
    case EMR_SETTEXTALIGN: state.align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode; break;
    case EMR_SAVEDC: reader.saved.push_back(state); break;
    case EMR_RESTOREDC:
      for (int back = reinterpret_cast<const EMRRESTOREDC*>(record)->iRelative; back < 0 && !reader.saved.empty();
           ++back) {
        state = reader.saved.back();
        reader.saved.pop_back();
      }
      break;
    case EMR_MOVETOEX: {
      const POINTL& to = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
      state.position = {to.x, to.y};
      break;
    }
    case EMR_LINETO: {
      const POINTL& to = reinterpret_cast<const EMRLINETO*>(record)->ptl;
      if (to.x == state.position.x && to.y != state.position.y) {
        reader.drawing.verticals.push_back(
            {to.x, std::min<int>(to.y, state.position.y), std::max<int>(to.y, state.position.y)});
      }
      state.position = {to.x, to.y};
      break;
    }
    case EMR_BITBLT: ReadPicture<EMRBITBLT>(reader, record); break;
    case EMR_STRETCHBLT: ReadPicture<EMRSTRETCHBLT>(reader, record); break;
    case EMR_EXTTEXTOUTW: ReadText(reader, record, true); break;
    case EMR_EXTTEXTOUTA: ReadText(reader, record, false); break;
  }
  return 1;
}

std::string Described(const DrawnText& text) {
  std::ostringstream out;
  out << "\"" << text.text << "\" (" << text.box.left << ", " << text.box.top << ")-(" << text.box.right << ", "
      << text.box.bottom << ")";
  return out.str();
}

int Shared(int a1, int a2, int b1, int b2) { return std::min(a2, b2) - std::max(a1, b1); }

}  // namespace

DrawingRecorder::DrawingRecorder() : dc_(CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr)) {}

DrawingRecorder::~DrawingRecorder() {
  if (dc_) DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
}

Drawing DrawingRecorder::Finish() {
  Reader reader;
  if (!dc_) return reader.drawing;
  HENHMETAFILE recorded = CloseEnhMetaFile(dc_);
  dc_ = nullptr;
  EnumEnhMetaFile(nullptr, recorded, ReadRecord, &reader, nullptr);
  DeleteEnhMetaFile(recorded);
  return reader.drawing;
}

std::vector<std::string> LayoutFaults(const Drawing& drawing) {
  std::vector<std::string> faults;
  const std::vector<DrawnText>& texts = drawing.texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const RECT& a = texts[i].box;
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const RECT& b = texts[j].box;
      const int across = Shared(a.left, a.right, b.left, b.right);
      const int down = Shared(a.top, a.bottom, b.top, b.bottom);
      const int lower = std::min(texts[i].height, texts[j].height);
      if (across > 0 && down > 0) {
        faults.push_back(Described(texts[i]) + " over " + Described(texts[j]));
      } else if (down > lower / 2 && -across < 0.4 * lower) {
        std::ostringstream gap;
        gap << Described(texts[i]) << " and " << Described(texts[j]) << " only " << -across << " pixels apart";
        faults.push_back(gap.str());
      }
    }
    for (const RECT& picture : drawing.pictures) {
      if (Shared(a.left, a.right, picture.left, picture.right) > 0 &&
          Shared(a.top, a.bottom, picture.top, picture.bottom) > 0) {
        std::ostringstream over;
        over << Described(texts[i]) << " over the picture at (" << picture.left << ", " << picture.top << ")";
        faults.push_back(over.str());
      }
    }
    for (const DrawnLine& line : drawing.verticals) {
      // The lines are up to 2 pixels wide, and a text keeps a pixel free beside them.
      if (line.x >= a.left - 1 && line.x <= a.right + 1 && Shared(a.top, a.bottom, line.top, line.bottom) > 0) {
        std::ostringstream crossed;
        crossed << Described(texts[i]) << " crossed by the line at x = " << line.x;
        faults.push_back(crossed.str());
      }
    }
  }
  return faults;
}

const DrawnText* FindText(const Drawing& drawing, const std::string& text) {
  for (const DrawnText& drawn : drawing.texts) {
    if (drawn.text == text) return &drawn;
  }
  return nullptr;
}

}  // namespace testsupport
