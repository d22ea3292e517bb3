#include "core/Recovery.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <type_traits>

#include "core/Files.h"

namespace dudode {
namespace {

namespace fs = std::filesystem;

const char* const kMagic = "Dudode - Editor Wiederherstellung 1\n";
const char* const kEndMark = "Ende\n";
// More items than any list may hold: the copy is broken.
constexpr std::size_t kMaxItems = 100000;

// One line per value; texts carry their length, so any byte may stand in them.
class TImageWriter {
 public:
  std::string Out;
  void operator()(std::string_view text) {
    Out += std::to_string(text.size());
    Out += ':';
    Out += text;
    Out += '\n';
  }
  void operator()(const TSortKey& key) { (*this)(key.View()); }
  void operator()(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest exact text
    Out.append(buffer, result.ptr);
    Out += '\n';
  }
  template <typename T>
  requires std::is_integral_v<T>
  void operator()(T value) {
    Out += std::to_string(static_cast<long long>(value));
    Out += '\n';
  }
  template <typename T, typename F>
  void List(const std::vector<T>& list, F each) {
    (*this)(list.size());
    for (const T& item : list) each(item);
  }
};

class TImageReader {
 public:
  explicit TImageReader(std::string_view in) : in_(in) {}
  bool Ok() const { return ok_; }
  std::string_view Rest() const { return in_; }

  void operator()(std::string& text) {
    std::size_t size = 0;
    if (!Number(size, ':') || in_.size() < size + 1 || in_[size] != '\n') {
      ok_ = false;
      return;
    }
    text.assign(in_.substr(0, size));
    in_.remove_prefix(size + 1);
  }
  void operator()(TSortKey& key) {
    std::string text;
    (*this)(text);
    key.Assign(text);
  }
  void operator()(double& value) { Number(value, '\n'); }
  template <typename T>
  requires std::is_integral_v<T>
  void operator()(T& value) {
    long long number = 0;
    if (!Number(number, '\n')) return;
    if constexpr (std::is_same_v<T, bool>) {
      value = number != 0;
    } else {
      value = static_cast<T>(number);
    }
  }
  template <typename T, typename F>
  void List(std::vector<T>& list, F each) {
    std::size_t size = 0;
    if (!Number(size, '\n') || size > kMaxItems) {
      ok_ = false;
      return;
    }
    list.resize(size);
    for (T& item : list) {
      if (ok_) each(item);
    }
  }

 private:
  template <typename T>
  bool Number(T& value, char end) {
    if (!ok_) return false;
    const auto result = std::from_chars(in_.data(), in_.data() + in_.size(), value);
    if (result.ec != std::errc() || result.ptr == in_.data() + in_.size() || *result.ptr != end) {
      ok_ = false;
      return false;
    }
    in_.remove_prefix(static_cast<std::size_t>(result.ptr - in_.data()) + 1);
    return true;
  }

  std::string_view in_;
  bool ok_ = true;
};

// The fields of each record, listed once for writing and reading.
template <typename V, typename E>
void EntryFields(V& v, E& e) {
  v(e.Weekdays), v(e.PricePerUnit), v(e.CalcTakt), v(e.FirstSecond), v(e.StartSec), v(e.EndSec), v(e.Takt);
  v(e.Units), v(e.Name), v(e.DateFrom), v(e.DateTo), v(e.ZoneConnectPrice), v(e.ZoneMonthlyFee), v(e.SortKey);
}

template <typename V, typename Z>
void ZoneFields(V& v, Z& z) {
  v(z.Key), v(z.DisplayName), v(z.CalcTakt), v(z.FirstSecond), v(z.ConnectPrice), v(z.MonthlyFee);
  v(z.Relations), v(z.TenPlusActive), v(z.RoundTo);
  for (auto* list : {&z.WNo10plus, &z.FNo10plus}) {
    v.List(*list, [&v](auto& w) { v(w.StartSec), v(w.EndSec); });
  }
  for (auto* list : {&z.WFreeTimes, &z.FFreeTimes}) {
    v.List(*list, [&v](auto& f) { v(f.StartSec), v(f.EndSec), v(f.FreeSeconds); });
  }
  v(z.Access.PhoneNr), v(z.Access.UserName), v(z.Access.Password), v(z.Access.Registration);
  v(z.Access.NichtBundesweit);
  for (auto* list : {&z.Werktag, &z.SaSo}) {
    v.List(*list, [&v](auto& e) { EntryFields(v, e); });
  }
}

template <typename V, typename D>
void DocumentFields(V& v, D& d) {
  v(d.FileName), v(d.StrVersion), v(d.Version), v(d.FileDate), v(d.Description), v(d.WWW), v(d.Hotline);
  v(d.Comment), v(d.EMail), v(d.AccessCode), v(d.Copyright), v(d.Takt), v(d.Price), v(d.BaseConnectPrice);
  v(d.CityWeekend), v(d.LoadedStamp.Size), v(d.LoadedStamp.Time);
  v.List(d.Zones, [&v](auto& z) { ZoneFields(v, z); });
  v.List(d.Holidays, [&v](auto& h) { v(h.Date); });
  v.List(d.Applications, [&v](auto& a) { v(a.TapiName), v(a.AppName); });
}

}  // namespace

std::string RecoveryDirectory(const char* stateHome, const char* home) {
  std::string base;
  if (stateHome && stateHome[0] == '/') {
    base = stateHome;
  } else {
    base = std::string(home ? home : "") + "/.local/state";
  }
  if (base.back() != '/') base += '/';
  return base + "dudode/";
}

std::string RecoveryCopyPath() {
  // One copy per program directory, so that a start on another directory
  // never replaces the copy of this one. FNV-1a: the same name on every run.
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : ProgramDirectory()) hash = (hash ^ c) * 1099511628211ull;
  char name[17];
  std::to_chars_result end = std::to_chars(name, name + 16, hash, 16);
  return RecoveryDirectory(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")) + "Wiederherstellung-" +
         std::string(name, end.ptr) + ".dat";
}

std::string RecoveryImage(const TTarifFile& document, const std::string& directory) {
  TImageWriter writer;
  writer.Out = kMagic;
  writer(directory);
  DocumentFields(writer, document);
  writer.Out += kEndMark;
  return writer.Out;
}

bool ParseRecoveryImage(std::string_view bytes, TRecoveryCopy& copy) {
  const std::string_view magic = kMagic;
  if (bytes.substr(0, magic.size()) != magic) return false;
  TImageReader reader(bytes.substr(magic.size()));
  TRecoveryCopy parsed;
  reader(parsed.Directory);
  DocumentFields(reader, parsed.Document);
  if (!reader.Ok() || reader.Rest() != kEndMark) return false;
  parsed.Document.Modified = true;  // changes nobody saved
  copy = std::move(parsed);
  return true;
}

bool WriteRecoveryCopy(const TTarifFile& document, const std::string& directory, std::string* error) {
  const std::string path = RecoveryCopyPath();
  std::error_code ec;
  const fs::path dir = fs::u8path(path).parent_path();
  fs::create_directories(dir, ec);
  // The copy holds the zones' access passwords: for the user's eyes only.
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
  return AtomicWriteFile(path, RecoveryImage(document, directory), error);
}

bool ReadRecoveryCopy(TRecoveryCopy& copy) {
  std::string bytes;
  return ReadWholeFile(RecoveryCopyPath(), bytes) && ParseRecoveryImage(bytes, copy);
}

void RemoveRecoveryCopy() {
  std::error_code ec;
  fs::remove(fs::u8path(RecoveryCopyPath()), ec);
}

std::string RecoveryQuestion(const TRecoveryCopy& copy) {
  std::string text =
      "Der Dudode - Editor wurde nicht ordnungsgemäß beendet. Sollen die ungespeicherten "
      "Änderungen an „" +
      copy.Document.Description + "“ wiederhergestellt werden?";
  const std::string path = copy.Directory + copy.Document.FileName;
  if (!copy.Document.FileName.empty() && FileStampOf(path) != copy.Document.LoadedStamp) {
    text +=
        "\r\rDie Datei " + path +
        " wurde inzwischen von einem anderen Programm geändert; beim Speichern werden Sie vorher gefragt.";
  }
  return text;
}

}  // namespace dudode
