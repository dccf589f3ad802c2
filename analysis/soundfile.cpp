// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/soundfile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, SndfileCloser>;

SoundReading Refused(std::string message)
{
    SoundReading r;
    r.Error = std::move(message);
    return r;
}

std::string Thousands(long long n)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), " ");
    return digits;
}

// libsndfile notes in its log when the header announces more data than the
// file holds, then reads what is there: such a file is refused.
bool LogSaysTruncated(SNDFILE* f)
{
    char log[4096] = {};
    sf_command(f, SFC_GET_LOG_INFO, log, sizeof log);
    const std::string text(log);
    const auto data = text.find("data : ");
    if (data != std::string::npos) {
        const std::string line = text.substr(data, text.find('\n', data) - data);
        if (line.find("should be") != std::string::npos)
            return true;
    }
    return text.find("truncated") != std::string::npos || text.find("Truncated") != std::string::npos;
}

SoundReading ReadOpened(SNDFILE* f, const SF_INFO& info)
{
    if (info.samplerate < MinSampleRateHz || info.samplerate > MaxSampleRateHz)
        return Refused("Fréquence d'échantillonnage de " + Thousands(info.samplerate)
                       + " Hz refusée : elle doit être comprise entre 8 000 et 192 000 Hz.");
    if (info.channels < 1 || info.channels > MaxChannels)
        return Refused("Ce son a " + std::to_string(info.channels)
                       + " voies : le programme en lit de 1 à 8.");
    if (info.frames > static_cast<sf_count_t>(LongestAnalysedSeconds * info.samplerate))
        return Refused("Ce son dure plus de 10 minutes : trop long pour être analysé.");
    if (info.frames > MaxAnalysedSamples)
        return Refused("Ce son a plus de 30 millions d'échantillons : trop long pour être analysé.");
    if (LogSaysTruncated(f))
        return Refused("Ce fichier est tronqué : il s'arrête avant la fin de ses données.");
    if (info.frames <= 0)
        return Refused("Ce fichier ne contient aucun échantillon sonore.");
    if (info.frames < static_cast<sf_count_t>(std::ceil(ShortestAnalysedSeconds * info.samplerate)))
        return Refused("Ce son dure moins de 0,1 s : trop court pour être analysé.");

    // Read in blocks and mixed at once, so that a header announcing more
    // than the file holds costs no memory beyond what is really there.
    const auto channels = static_cast<std::size_t>(info.channels);
    // Floating-point files are read as they are: values beyond full scale
    // stay beyond it, and the analysis sees them.
    sf_command(f, SFC_SET_CLIPPING, nullptr, SF_FALSE);
    constexpr sf_count_t Block = 16384;
    std::vector<double> interleaved(static_cast<std::size_t>(Block) * channels);
    SoundReading r;
    r.Sound.SampleRateHz = info.samplerate;
    sf_count_t left = info.frames;
    while (left > 0) {
        const sf_count_t want = std::min(left, Block);
        const sf_count_t got = sf_readf_double(f, interleaved.data(), want);
        if (got != want)
            return Refused("Ce fichier est tronqué : il s'arrête avant la fin de ses données.");
        for (std::size_t i = 0; i < static_cast<std::size_t>(got); ++i) {
            double sum = 0.0;
            for (std::size_t c = 0; c < channels; ++c)
                sum += interleaved[i * channels + c];
            r.Sound.Samples.push_back(sum / static_cast<double>(channels));
        }
        left -= got;
    }
    const std::string problem = CheckSound(r.Sound);
    if (!problem.empty())
        return Refused(problem);
    r.Ok = true;
    return r;
}

const char* const NotASound = "Ce fichier n'est pas un son que le programme sait lire (WAV, FLAC ou OGG).";

// A block of bytes seen by libsndfile as a file.
struct MemoryFile {
    const unsigned char* data;
    sf_count_t size;
    sf_count_t position = 0;
};

sf_count_t MemLength(void* user) { return static_cast<MemoryFile*>(user)->size; }
sf_count_t MemSeek(sf_count_t offset, int whence, void* user)
{
    auto* m = static_cast<MemoryFile*>(user);
    sf_count_t to = offset;
    if (whence == SEEK_CUR)
        to = m->position + offset;
    else if (whence == SEEK_END)
        to = m->size + offset;
    if (to < 0)
        return -1;
    m->position = std::min(to, m->size);
    return m->position;
}
sf_count_t MemRead(void* out, sf_count_t count, void* user)
{
    auto* m = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, m->size - m->position));
    if (n > 0)
        std::memcpy(out, m->data + m->position, static_cast<std::size_t>(n));
    m->position += n;
    return n;
}
sf_count_t MemWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t MemTell(void* user) { return static_cast<MemoryFile*>(user)->position; }

} // namespace

std::string CheckSound(const MonoSound& sound)
{
    if (!(sound.SampleRateHz >= MinSampleRateHz && sound.SampleRateHz <= MaxSampleRateHz))
        return "Fréquence d'échantillonnage refusée : elle doit être comprise entre 8 000 et 192 000 Hz.";
    if (sound.Samples.size() < std::ceil(ShortestAnalysedSeconds * sound.SampleRateHz))
        return "Ce son dure moins de 0,1 s : trop court pour être analysé.";
    if (sound.Samples.size() > LongestAnalysedSeconds * sound.SampleRateHz)
        return "Ce son dure plus de 10 minutes : trop long pour être analysé.";
    if (sound.Samples.size() > static_cast<std::size_t>(MaxAnalysedSamples))
        return "Ce son a plus de 30 millions d'échantillons : trop long pour être analysé.";
    for (double x : sound.Samples)
        if (!std::isfinite(x))
            return "Ce son contient des valeurs qui ne sont pas des nombres : il ne peut pas être analysé.";
    return {};
}

SoundReading ReadSoundFile(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p(path);
    if (!std::filesystem::exists(p, ec))
        return Refused("Ce fichier n'existe pas.");
    if (std::filesystem::is_directory(p, ec))
        return Refused("C'est un dossier, pas un fichier son.");
    const auto size = std::filesystem::file_size(p, ec);
    if (ec)
        return Refused("Ce fichier ne peut pas être lu.");
    if (size == 0)
        return Refused("Ce fichier est vide.");
    SF_INFO info{};
    SndfilePtr f(sf_open(path.c_str(), SFM_READ, &info));
    if (!f)
        return Refused(NotASound);
    return ReadOpened(f.get(), info);
}

SoundReading ReadSoundBytes(const void* data, std::size_t size)
{
    if (size == 0)
        return Refused("Ce fichier est vide.");
    MemoryFile m{static_cast<const unsigned char*>(data), static_cast<sf_count_t>(size)};
    SF_VIRTUAL_IO io{MemLength, MemSeek, MemRead, MemWrite, MemTell};
    SF_INFO info{};
    SndfilePtr f(sf_open_virtual(&io, SFM_READ, &info, &m));
    if (!f)
        return Refused(NotASound);
    return ReadOpened(f.get(), info);
}

std::string WriteWavFile(const std::string& path, const MonoSound& sound)
{
    const std::string problem = CheckSound(sound);
    if (!problem.empty())
        return problem;
    const std::string temporary = path + ".part";
    SF_INFO info{};
    info.samplerate = static_cast<int>(std::lround(sound.SampleRateHz));
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const char* const failed = "Le fichier son n'a pas pu être écrit (dossier protégé ou disque plein ?).";
    {
        SndfilePtr f(sf_open(temporary.c_str(), SFM_WRITE, &info));
        if (!f)
            return failed;
        sf_command(f.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
        std::vector<double> held(sound.Samples.size());
        std::transform(sound.Samples.begin(), sound.Samples.end(), held.begin(),
                       [](double x) { return std::clamp(x, -1.0, 1.0); });
        const auto count = static_cast<sf_count_t>(held.size());
        if (sf_writef_double(f.get(), held.data(), count) != count || sf_error(f.get()) != SF_ERR_NO_ERROR) {
            f.reset();
            std::remove(temporary.c_str());
            return failed;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return failed;
    }
    return {};
}
