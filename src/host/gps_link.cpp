#include "host/gps_link.h"

#include <cstring>

#include "host/platform.h"
#include "nav/nmea.h"

uint8_t nmeaRxState;
char nmeaBody[nmeaMailboxSize];
uint16_t nmeaBodyLength;
char nmeaChecksumText[3];
char rmcSentence[nmeaMailboxSize];
char ggaSentence[nmeaMailboxSize];
char gsaSentence[nmeaMailboxSize];
char gsvSentence[nmeaMailboxSize];
uint8_t rmcPending;
uint8_t ggaPending;
uint8_t gsaPending;
uint8_t gsvPending;
uint8_t gpsDataReceived;

static uint8_t rxBuffer[serialReadChunk]; // one read's bytes; static to keep 10 kB off the stack
constexpr int32_t maxReadsPerEvent = 100; // bounds one event; a busy line is served by the next

uint16_t parseHexChecksum(const char* text) {
    uint16_t value = 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        p++;
    for (;; p++) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (*p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else if (*p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else
            break;
        value = (uint16_t)(value * 16 + digit);
    }
    return value;
}

// The full mailbox is kept: it always holds the oldest undecoded sentence of its type. Behind the
// terminator the mailbox is cleared, so no byte of an older, longer sentence stays in it.
static void post(char* mailbox, uint8_t& pending) {
    if (pending) return;
    std::memcpy(mailbox, nmeaBody, (size_t)nmeaBodyLength + 1);
    std::memset(mailbox + nmeaBodyLength + 1, 0, (size_t)(nmeaMailboxSize - nmeaBodyLength - 1));
    pending = 1;
}

static void acceptOrReject() {
    uint8_t sum = 0;
    for (int32_t i = 0; i < nmeaBodyLength; i++)
        sum ^= (uint8_t)nmeaBody[i];
    nmeaChecksumText[2] = 0;
    if (parseHexChecksum(nmeaChecksumText) != sum) return;
    nmeaBody[nmeaBodyLength] = 0;
    gpsDataReceived = 1;
    if (nmeaBodyLength < 5 || nmeaBody[0] != 'G' || nmeaBody[1] != 'P') return;
    const char* name = nmeaBody + 2;
    if (std::memcmp(name, "RMC", 3) == 0)
        post(rmcSentence, rmcPending);
    else if (std::memcmp(name, "GGA", 3) == 0)
        post(ggaSentence, ggaPending);
    else if (std::memcmp(name, "GSA", 3) == 0)
        post(gsaSentence, gsaPending);
    else if (std::memcmp(name, "GSV", 3) == 0)
        post(gsvSentence, gsvPending);
}

static void receiveByte(uint8_t c) {
    switch (nmeaRxState) {
    case 0:
        if (c == '$') {
            nmeaBodyLength = 0;
            nmeaRxState = 1;
        }
        break;
    case 1:
        if (c == '*') {
            nmeaRxState = 2;
        } else if (nmeaBodyLength < nmeaBodyMax) {
            nmeaBody[nmeaBodyLength++] = (char)c;
        } else {
            nmeaRxState = 0; // over-long body
        }
        break;
    case 2:
        nmeaChecksumText[0] = (char)c;
        nmeaRxState = 3;
        break;
    case 3:
        nmeaChecksumText[1] = (char)c;
        nmeaRxState = 4;
        break;
    case 4:
        nmeaRxState = c == '\r' ? 5 : 0;
        break;
    case 5:
        if (c == '\n') acceptOrReject();
        nmeaRxState = 0;
        break;
    default:
        nmeaRxState = 0;
        break;
    }
}

void nmeaReceiveBytes(const uint8_t* bytes, int32_t count) {
    for (int32_t i = 0; i < count; i++)
        receiveByte(bytes[i]);
}

void ComPort1RxChar() {
    for (int32_t reads = 0; reads < maxReadsPerEvent; reads++) {
        int32_t n = platform->serialRead(rxBuffer, serialReadChunk);
        if (n <= 0) break;
        if (n > serialReadChunk) n = serialReadChunk;
        nmeaReceiveBytes(rxBuffer, n);
        if (n < serialReadChunk) break; // a short read: nothing more waited
    }
}

void Button5Click() {
    if (platform->serialConnected()) return;
    platform->serialSetBaud(gpsConnectBaud);
    platform->serialOpen();
}

void Button12Click() {
    if (platform->serialConnected()) platform->serialClose();
}

void decodePendingSentences() {
    if (rmcPending == 1) {
        decodeRmc(rmcSentence);
        rmcPending = 0;
    }
    if (ggaPending == 1) {
        decodeGga(ggaSentence);
        ggaPending = 0;
    }
    if (gsaPending == 1) {
        decodeGsa(gsaSentence);
        gsaPending = 0;
    }
    if (gsvPending == 1) {
        decodeGsv(gsvSentence);
        gsvPending = 0;
    }
}
