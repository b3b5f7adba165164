// Generated cellars and histories for the benchmarks: records in sorted order, so a file
// can be written as a stream.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "store/Records.h"
#include "store/Text.h"

namespace benchdata {

using namespace store;

inline const char* kDigits = "0123456789";

inline std::string Number(long value, int width) {
    std::string s(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10) s[static_cast<std::size_t>(i)] = kDigits[value % 10];
    return s;
}

inline CellarWine GeneratedWine(long i) {
    CellarWine w;
    w.colour = "Rouge";
    w.region = "Bordeaux";
    w.vintage = Number(1900 + i / 1000, 4);
    w.appellation = "Appellation " + Number(i % 1000, 4);
    w.domaine = Cp1252("Château ") + Number(i, 6);
    w.owner = "Famille " + Number(i % 97, 2);
    w.remarks = "Belle robe, tanins fondus";
    w.quantity = "12";
    w.price = "   25.50";
    w.purchaseDate = "12/05/2001";
    w.peakYear = "2010";
    w.mark = "Bon";
    w.location = "R" + Number(i % 50, 2);
    w.bottleFormat = "Bouteille";
    w.purchasePlace = "Caviste du quartier";
    return PaddedCellarWine(w);
}

inline ConsumedWine GeneratedEntry(long i) {
    ConsumedWine e;
    e.colour = "Rouge";
    e.region = "Bordeaux";
    e.appellation = "Appellation " + Number(i % 1000, 4);
    e.domaine = Cp1252("Château ") + Number(i, 6);
    e.vintage = "1990";
    e.quantity = " 1";
    const long day = i / 3;
    e.drinkDate = Number(1 + day % 28, 2) + "/" + Number(1 + (day / 28) % 12, 2) + "/" + Number(1800 + day / 336, 4);
    e.guests = "Paul et Marie";
    e.comments = "Superbe avec le gigot";
    e.mark = "Bon";
    return PaddedConsumedWine(e);
}


// Writes a cellar of n wines in the first sort order.
inline void WriteCellar(const std::string& name, long n) {
    SafeFileWriter out(name);
    for (long i = 0; i < n; ++i) WriteCellarWine(out, GeneratedWine(i));
    out.commit();
}

// A figure of /proc/self/status, in kB.
inline long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// The memory the operation holds at its peak beyond what the process held before it, in MB:
// run in a child process whose peak is reset first, so that earlier work does not count.
inline double PeakMegabytes(const std::function<void()>& operation) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        ::malloc_trim(0);
        { std::ofstream("/proc/self/clear_refs") << "5"; }
        const long before = StatusKb("VmRSS:");
        operation();
        const long peak = StatusKb("VmHWM:");
        const std::string text = std::to_string(peak - before) + "\n";
        if (::write(out[1], text.data(), text.size()) < 0) std::_Exit(1);
        std::_Exit(0);
    }
    ::close(out[1]);
    char text[32] = {};
    const ssize_t got = ::read(out[0], text, sizeof text - 1);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return got > 0 ? static_cast<double>(std::atol(text)) / 1024.0 : -1;
}

} // namespace benchdata
