#pragma once
// The store for every INI text the program reads or writes: a cache of whole file
// texts, read and written with plain substring searches. Each write saves the file.

#include <list>
#include <memory>
#include <string>

class IniClass {
  public:
    // Class-wide: the cached files in the order they were loaded.
    static std::list<std::unique_ptr<IniClass>> Liste;

    std::string Name;  // the file name exactly as the caller passed it: the cache key
    std::string Text;  // the whole text as loaded (UTF-8 inside), then as changed by writes
    // The file exists but could not be read: it is never saved over, changes stay here.
    bool unreadableOnDisk = false;

    static std::string Lesen(const std::string& datei, const std::string& sektion,
                             const std::string& key);
    static int Value(const std::string& datei, const std::string& sektion, const std::string& key);
    static void Schreiben(const std::string& datei, const std::string& sektion,
                          const std::string& key, const std::string& wert);
    static void UpdateIniFile(const std::string& datei);

    // The same without the settings-file default for an empty name.
    static std::string _Lesen(const std::string& datei, const std::string& sektion,
                              const std::string& key);
    static void _Schreiben(const std::string& datei, const std::string& sektion,
                           const std::string& key, const std::string& wert);
    static void _UpdateIniFile(const std::string& datei);

    // Makes and appends a new entry without looking for an existing one.
    static IniClass* Lade(const std::string& datei);

    std::string LiesSektion(const std::string& sektion, const std::string& key) const;
    void SchreibeSektion(const std::string& sektion, const std::string& key,
                         const std::string& wert);

    static std::string AppIniName();
    // The settings file: AppPfad + "Lesmora.Ini".
    static std::string SettingsFile();

    static void SetzeStartwerte();

  private:
    static IniClass* FindeOderLade(const std::string& datei);
    bool Speichern() const;
};
