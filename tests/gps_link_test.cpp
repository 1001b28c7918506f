// The serial framing: which byte streams leave which sentence in which mailbox.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "gps_fixture.h"

namespace {

const std::string rmcBody = "GPRMC,143748.77,A,4806.3731,N,00138.6217,W,0.00,266.5,121007,2.6,W,A";
const std::string ggaBody = "GPGGA,143748.77,4806.3731,N,00138.6217,W,1,10,1.1,42.2,M,48.5,M,,";

std::string lowerCaseChecksum(std::string line) {
    size_t star = line.find('*');
    for (size_t i = star + 1; i < star + 3; i++)
        line[i] = (char)std::tolower((unsigned char)line[i]);
    return line;
}

std::string wrongChecksum(std::string line) {
    size_t digit = line.find('*') + 2;
    line[digit] = line[digit] == '0' ? '1' : '0';
    return line;
}

TEST(ParseHexChecksum, ReadsTheLeadingHexNumber) {
    struct {
        const char* text;
        uint16_t value;
    } cases[] = {{"4B", 0x4B}, {"4b", 0x4B}, {"  \t7f", 0x7F},  {"0A", 0x0A}, {"4G", 4},
                 {"G4", 0},    {"", 0},      {"FFFFF", 0xFFFF}, {"-1", 0}};
    for (auto& c : cases)
        EXPECT_EQ(parseHexChecksum(c.text), c.value) << c.text;
}

// One stream of bytes, and what each mailbox holds after it ("" for nothing posted).
struct FramingCase {
    const char* what;
    std::string bytes;
    std::string rmc, gga;
    uint8_t dataReceived;
};

TEST(Framing, StreamsIntoMailboxes) {
    std::string body200 = "GPGGA," + std::string(194, '1');
    std::string body201 = body200 + "1";
    const FramingCase cases[] = {
        {"whole RMC", nmeaLine(rmcBody), rmcBody, "", 1},
        {"lower-case checksum digits", lowerCaseChecksum(nmeaLine(rmcBody)), rmcBody, "", 1},
        {"noise and a half sentence before it", "xx$GPR\r\n" + nmeaLine(ggaBody), "", "", 0},
        {"noise before it", "garbage,*12\r\n" + nmeaLine(ggaBody), "", ggaBody, 1},
        {"200-character body", nmeaLine(body200), "", body200, 1},
        {"201-character body", nmeaLine(body201), "", "", 0},
        {"wrong checksum", wrongChecksum(nmeaLine(rmcBody)), "", "", 0},
        {"line feed without carriage return", nmeaLine(rmcBody, "\n"), "", "", 0},
        {"carriage return without line feed", nmeaLine(rmcBody, "\r") + nmeaLine(ggaBody), "", "", 0},
        {"foreign talker", nmeaLine("GNRMC" + rmcBody.substr(5)), "", "", 1},
        {"sentence not used", nmeaLine("GPVTG,0.00,T,,M,0.000,N,0.000,K,N"), "", "", 1},
        {"proprietary sentence", nmeaLine("PFST,FOM,6"), "", "", 1},
        {"two GGA before a frame: the first stays", nmeaLine(ggaBody) + nmeaLine("GPGGA,1,2,3"), "", ggaBody,
         1},
        // A "$" inside a body does not start a new sentence: the cut GGA swallows the RMC.
        {"cut sentence glued to the next", "$GPGGA,030130" + nmeaLine(rmcBody), "", "", 0},
        {"one each", nmeaLine(rmcBody) + nmeaLine(ggaBody), rmcBody, ggaBody, 1},
    };
    for (const FramingCase& c : cases) {
        resetGps();
        feed(c.bytes);
        EXPECT_EQ(std::string(rmcSentence), c.rmc) << c.what;
        EXPECT_EQ(rmcPending, c.rmc.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(std::string(ggaSentence), c.gga) << c.what;
        EXPECT_EQ(ggaPending, c.gga.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(gpsDataReceived, c.dataReceived) << c.what;
        EXPECT_EQ(nmeaRxState, 0) << c.what;
    }
}

TEST(Framing, SentenceSplitAnywhereAcrossReceiveEvents) {
    std::string line = nmeaLine(rmcBody);
    for (size_t cut = 0; cut <= line.size(); cut++) {
        for (size_t cut2 = cut; cut2 <= line.size(); cut2 += 7) {
            resetGps();
            feed(line.substr(0, cut));
            feed(line.substr(cut, cut2 - cut));
            feed(line.substr(cut2));
            ASSERT_EQ(std::string(rmcSentence), rmcBody) << "cut at " << cut << " and " << cut2;
        }
    }
}

TEST(Framing, MailboxHeldUntilDecodedThenTakesTheNext) {
    resetGps();
    feed(nmeaLine(ggaBody));
    feed(nmeaLine("GPGGA,020000,,,,,0,03,,,M,,M,,"));
    EXPECT_EQ(std::string(ggaSentence), ggaBody);
    decodePendingSentences();
    EXPECT_EQ(ggaPending, 0);
    EXPECT_EQ(satellitesUsed, 10);
    feed(nmeaLine("GPGGA,020000,,,,,0,03,,,M,,M,,"));
    EXPECT_EQ(ggaPending, 1);
    decodePendingSentences();
    EXPECT_EQ(satellitesUsed, 3);
}

// A short sentence after a long one of its type must not be decoded from the long one's bytes.
TEST(Framing, ShortSentenceLeavesNothingOfTheLongerOneBehind) {
    resetGps();
    feed(nmeaLine(rmcBody));
    decodePendingSentences();
    ASSERT_NEAR(gpsLatitude, 48.10622, 1e-4);
    gpsLatitude = 1.0f;
    feed(nmeaLine("GPRMC,1"));
    ASSERT_EQ(rmcPending, 1);
    for (int32_t i = 7; i < nmeaMailboxSize; i++)
        ASSERT_EQ(rmcSentence[i], 0) << "byte " << i;
    decodePendingSentences();
    EXPECT_EQ(gpsLatitude, 1.0f);

    feed(nmeaLine("GPGSV,3,1,11,01,06,230,35,05,16,114,43,06,65,063,50,07,72,061,47"));
    decodePendingSentences();
    feed(nmeaLine("GPGSV,3,2"));
    decodePendingSentences();
    EXPECT_EQ(satellitesInView, 11);
    EXPECT_EQ(satellites[4].prn, 0);
}

// A port that holds more than one read takes: the receive event must drain it in reads of at
// most 10,000 bytes, since the host reports many waiting bytes with a single event.
struct QueuePort : FakePlatform {
    std::string waiting;
    int32_t largestRead = 0;
    int32_t reads = 0;
    bool open = false;
    int32_t baud = 19200;
    int32_t serialRead(uint8_t* buffer, int32_t maxBytes) override {
        reads++;
        if (maxBytes > largestRead) largestRead = maxBytes;
        int32_t n = (int32_t)std::min<size_t>(waiting.size(), (size_t)maxBytes);
        std::memcpy(buffer, waiting.data(), (size_t)n);
        waiting.erase(0, (size_t)n);
        return n;
    }
    bool serialOpen() override { return open = true; }
    void serialClose() override { open = false; }
    bool serialConnected() override { return open; }
    void serialSetBaud(int32_t b) override { baud = b; }
};

TEST(ReceiveEvent, DrainsThePortInBoundedReads) {
    resetGps();
    QueuePort port;
    std::string filler(25000, 'x');
    port.waiting = filler + nmeaLine(rmcBody);
    ComPort1RxChar();
    EXPECT_TRUE(port.waiting.empty());
    EXPECT_EQ(port.largestRead, serialReadChunk);
    EXPECT_EQ(port.reads, 3);
    EXPECT_EQ(std::string(rmcSentence), rmcBody);
}

TEST(ReceiveEvent, ConnectAndDisconnectButtons) {
    QueuePort port;
    Button5Click();
    EXPECT_TRUE(port.open);
    EXPECT_EQ(port.baud, gpsConnectBaud);
    port.baud = 4800;
    Button5Click(); // already connected: nothing changes
    EXPECT_EQ(port.baud, 4800);
    Button12Click();
    EXPECT_FALSE(port.open);
    Button12Click();
    EXPECT_FALSE(port.open);
}

} // namespace
