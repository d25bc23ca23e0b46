#include "history/Verlauf.h"

#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <iostream>
#include <mutex>
#include <thread>
#include <variant>

#include "data/Daten.h"
#include "music/ChromaTyp.h"

namespace {
using Eintrag = std::variant<AntwortEintrag, PruefungsEintrag>;

// A batch is written at least this often, so a killed program loses at most this much.
constexpr auto kBatchAbstand = std::chrono::milliseconds(250);
// A batch the file is too busy for is tried this many times more (each waits up to two
// seconds for the file) before it is given up.
constexpr int kVersuche = 2;

const char* const kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS antworten(zeit INTEGER, user TEXT, buch TEXT, lektion INTEGER,"
    " tonart INTEGER, system INTEGER, methode INTEGER, arbeitsschritt INTEGER, chroma INTEGER,"
    " gefragt TEXT, antwort TEXT, richtig INTEGER, millis INTEGER, geraet INTEGER);"
    "CREATE INDEX IF NOT EXISTS antworten_user ON antworten(user, zeit);"
    "CREATE TABLE IF NOT EXISTS pruefungen(zeit INTEGER, user TEXT, buch TEXT, lektion INTEGER,"
    " tonart INTEGER, system INTEGER, methode INTEGER, sekunden INTEGER, gespielt INTEGER,"
    " fehler INTEGER, bewertung INTEGER);";

int64_t wallClock() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string pfad() {
    return Verlauf::Datei.empty() ? AppPfad + "Verlauf.sqlite" : Verlauf::Datei;
}

// Opens the database with the schema; null, said once, when it cannot be used.
sqlite3* oeffne(const std::string& datei, bool& gemeldet) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open(datei.c_str(), &db);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);
        rc = sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) return db;
    if (!gemeldet)
        std::cout << "history: " << datei << " cannot be used ("
                  << (db ? sqlite3_errmsg(db) : "no memory")
                  << "); practice goes on without history" << std::endl;
    gemeldet = true;
    sqlite3_close(db);
    return nullptr;
}

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement& bind(int64_t v) {
        sqlite3_bind_int64(stmt_, ++index_, v);
        return *this;
    }
    Statement& bind(const std::string& v) {
        sqlite3_bind_text(stmt_, ++index_, v.c_str(), -1, SQLITE_TRANSIENT);
        return *this;
    }
    bool run() {
        int rc = sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        index_ = 0;
        return rc == SQLITE_DONE;
    }
    bool next() { return sqlite3_step(stmt_) == SQLITE_ROW; }
    int64_t integer(int col) const { return sqlite3_column_int64(stmt_, col); }
    std::string text(int col) const {
        const unsigned char* t = sqlite3_column_text(stmt_, col);
        return t ? reinterpret_cast<const char*>(t) : "";
    }
    bool ok() const { return stmt_ != nullptr; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int index_ = 0;
};

bool schreibeEins(Statement& antwort, Statement& pruefung, const Eintrag& e) {
    if (const auto* a = std::get_if<AntwortEintrag>(&e))
        return antwort.bind(a->Zeit)
            .bind(a->User)
            .bind(a->Buch)
            .bind(a->Lektion)
            .bind(a->Tonart)
            .bind(a->System)
            .bind(a->Methode)
            .bind(a->Arbeitsschritt)
            .bind(a->Chroma)
            .bind(a->Gefragt)
            .bind(a->Antwort)
            .bind(a->Richtig)
            .bind(a->Millis)
            .bind(a->Geraet)
            .run();
    const auto& p = std::get<PruefungsEintrag>(e);
    return pruefung.bind(p.Zeit)
        .bind(p.User)
        .bind(p.Buch)
        .bind(p.Lektion)
        .bind(p.Tonart)
        .bind(p.System)
        .bind(p.Methode)
        .bind(p.Sekunden)
        .bind(p.Gespielt)
        .bind(p.Fehler)
        .bind(p.Bewertung)
        .run();
}

// The writer: takes what is queued every quarter second and writes it in one transaction.
struct Schreiber {
    std::mutex mutex;
    std::condition_variable wach, fertig;
    std::deque<Eintrag> warteschlange;
    std::thread thread;
    int versuche = 0;  // of the batch at the front, while the file is busy
    bool laeuft = false, halt = false, eilig = false, kaputt = false, gemeldet = false,
         schreibt = false;

    void start() {
        laeuft = true;
        halt = false;
        thread = std::thread([this] { schleife(); });
    }

    void schleife() {
        sqlite3* db = oeffne(pfad(), gemeldet);
        std::unique_lock lock(mutex);
        kaputt = db == nullptr;
        while (true) {
            wach.wait_for(lock, kBatchAbstand, [this] { return halt || eilig; });
            eilig = false;
            std::deque<Eintrag> batch;
            batch.swap(warteschlange);
            schreibt = true;
            lock.unlock();
            const bool fertigGeschrieben = !db || batch.empty() || schreibeBatch(db, batch);
            lock.lock();
            if (!fertigGeschrieben)
                warteschlange.insert(warteschlange.begin(), batch.begin(), batch.end());
            schreibt = false;
            fertig.notify_all();
            if (halt && warteschlange.empty()) break;
        }
        lock.unlock();
        sqlite3_close(db);
    }

    // False when the file was busy (another program holds it) and the batch may be tried
    // again; anything else that fails drops the batch, said once.
    bool schreibeBatch(sqlite3* db, const std::deque<Eintrag>& batch) {
        Statement antwort(db, "INSERT INTO antworten VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        Statement pruefung(db, "INSERT INTO pruefungen VALUES(?,?,?,?,?,?,?,?,?,?,?)");
        bool gut = antwort.ok() && pruefung.ok() &&
                   sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
        for (const Eintrag& e : batch)
            if (gut) gut = schreibeEins(antwort, pruefung, e);
        if (gut) gut = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (gut) return true;
        const int fehler = sqlite3_errcode(db);
        const std::string text = sqlite3_errmsg(db);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        const bool besetzt = fehler == SQLITE_BUSY || fehler == SQLITE_LOCKED;
        if (besetzt && ++versuche <= kVersuche) return false;
        versuche = 0;
        if (!gemeldet)
            std::cout << "history: " << batch.size() << " answers not written (" << text << ")"
                      << std::endl;
        gemeldet = true;
        return true;
    }

    void stop() {
        {
            std::lock_guard lock(mutex);
            if (!laeuft) return;
            halt = true;
        }
        wach.notify_all();
        thread.join();
        laeuft = false;
    }

    ~Schreiber() { stop(); }
};

Schreiber& schreiber() {
    static Schreiber s;
    return s;
}

void queue(Eintrag e) {
    Schreiber& s = schreiber();
    std::lock_guard lock(s.mutex);
    if (s.kaputt) return;
    if (!s.laeuft) s.start();
    s.warteschlange.push_back(std::move(e));
}

sqlite3* leser() {
    bool gemeldet = schreiber().gemeldet;
    sqlite3* db = oeffne(pfad(), gemeldet);
    schreiber().gemeldet = gemeldet;
    return db;
}
}  // namespace

std::function<int64_t()> Verlauf::Jetzt = wallClock;
std::string Verlauf::Datei;

void Verlauf::Merke(const AntwortEintrag& eintrag) {
    queue(eintrag);
}

void Verlauf::Merke(const PruefungsEintrag& eintrag) {
    queue(eintrag);
}

void Verlauf::Schreibe() {
    Schreiber& s = schreiber();
    std::unique_lock lock(s.mutex);
    if (!s.laeuft) return;
    s.eilig = true;
    s.wach.notify_all();
    s.fertig.wait(lock, [&s] { return s.warteschlange.empty() && !s.schreibt; });
}

void Verlauf::Schliesse() {
    schreiber().stop();
}

bool Verlauf::Verfuegbar() {
    std::lock_guard lock(schreiber().mutex);
    return !schreiber().kaputt;
}

std::vector<AntwortEintrag> Verlauf::Antworten(const std::string& user) {
    std::vector<AntwortEintrag> rows;
    sqlite3* db = leser();
    if (!db) return rows;
    {
        Statement q(db,
                    "SELECT zeit,user,buch,lektion,tonart,system,methode,arbeitsschritt,chroma,"
                    "gefragt,antwort,richtig,millis,geraet FROM antworten WHERE user=? ORDER BY "
                    "zeit, rowid");
        q.bind(user);
        while (q.ok() && q.next()) {
            AntwortEintrag a;
            a.Zeit = q.integer(0);
            a.User = q.text(1);
            a.Buch = q.text(2);
            a.Lektion = static_cast<int>(q.integer(3));
            a.Tonart = static_cast<int>(q.integer(4));
            a.System = static_cast<int>(q.integer(5));
            a.Methode = static_cast<int>(q.integer(6));
            a.Arbeitsschritt = static_cast<int>(q.integer(7));
            a.Chroma = static_cast<int>(q.integer(8));
            a.Gefragt = q.text(9);
            a.Antwort = q.text(10);
            a.Richtig = static_cast<int>(q.integer(11));
            a.Millis = static_cast<int>(q.integer(12));
            a.Geraet = static_cast<int>(q.integer(13));
            rows.push_back(std::move(a));
        }
    }
    sqlite3_close(db);
    return rows;
}

std::vector<PruefungsEintrag> Verlauf::Pruefungen(const std::string& user) {
    std::vector<PruefungsEintrag> rows;
    sqlite3* db = leser();
    if (!db) return rows;
    {
        Statement q(db,
                    "SELECT zeit,user,buch,lektion,tonart,system,methode,sekunden,gespielt,fehler,"
                    "bewertung FROM pruefungen WHERE user=? ORDER BY zeit, rowid");
        q.bind(user);
        while (q.ok() && q.next()) {
            PruefungsEintrag p;
            p.Zeit = q.integer(0);
            p.User = q.text(1);
            p.Buch = q.text(2);
            p.Lektion = static_cast<int>(q.integer(3));
            p.Tonart = static_cast<int>(q.integer(4));
            p.System = static_cast<int>(q.integer(5));
            p.Methode = static_cast<int>(q.integer(6));
            p.Sekunden = static_cast<int>(q.integer(7));
            p.Gespielt = static_cast<int>(q.integer(8));
            p.Fehler = static_cast<int>(q.integer(9));
            p.Bewertung = static_cast<int>(q.integer(10));
            rows.push_back(std::move(p));
        }
    }
    sqlite3_close(db);
    return rows;
}

bool Verlauf::Loesche(const std::string& user) {
    Schreibe();
    sqlite3* db = leser();
    if (!db) return false;
    bool gut = true;
    for (const char* sql :
         {"DELETE FROM antworten WHERE user=?", "DELETE FROM pruefungen WHERE user=?"}) {
        Statement q(db, sql);
        gut = gut && q.ok() && q.bind(user).run();
    }
    sqlite3_close(db);
    return gut;
}

std::string Verlauf::Buchstabiert(int chroma) {
    const int s = ChromaTyp::spelling(chroma);
    if (s < 0) return "";
    static const char kBuchstabe[] = "CDEFGAB";
    const ChromaTyp& c = ChromaTyp::Chroma[s];
    const int versatz = c._VorZeichen == 1 ? 1 : c._VorZeichen == 2 ? -1 : 0;
    const int stamm = ChromaTyp::Midi(chroma) - versatz;  // the letter's natural pitch
    std::string name(1, kBuchstabe[c._Y % 7]);
    if (versatz == 1) name += '#';
    if (versatz == -1) name += 'b';
    return name + std::to_string(stamm / 12 - 1);
}

void Verlauf::SetzeStartwerte() {
    Schliesse();
    Schreiber& s = schreiber();
    std::lock_guard lock(s.mutex);
    s.warteschlange.clear();
    s.kaputt = s.gemeldet = false;
    Jetzt = wallClock;
    Datei.clear();
}
