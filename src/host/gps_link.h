// The GPS serial link: frames the receiver's NMEA byte stream into checksum-verified sentences
// and leaves RMC, GGA, GSA and GSV bodies in four one-sentence mailboxes for the frame loop.
#pragma once
#include <cstdint>

constexpr int32_t nmeaBodyMax = 200;       // longest body kept, characters between "$" and "*"
constexpr int32_t nmeaMailboxSize = 201;   // a body and its terminator
constexpr int32_t serialReadChunk = 10000; // most bytes taken from the port in one read
constexpr int32_t gpsConnectBaud = 9600;   // what "&GPS Connect" sets

extern uint8_t nmeaRxState;               // framing state 0..5
extern char nmeaBody[nmeaMailboxSize];    // body of the sentence being received
extern uint16_t nmeaBodyLength;           // characters in nmeaBody, 0..200
extern char nmeaChecksumText[3];          // the two characters after "*"
extern char rmcSentence[nmeaMailboxSize]; // mailbox texts: accepted bodies, NUL-terminated,
extern char ggaSentence[nmeaMailboxSize]; // zero behind the terminator
extern char gsaSentence[nmeaMailboxSize];
extern char gsvSentence[nmeaMailboxSize];
extern uint8_t rmcPending; // 1 while the mailbox holds an undecoded sentence
extern uint8_t ggaPending;
extern uint8_t gsaPending;
extern uint8_t gsvPending;
extern uint8_t gpsDataReceived; // 1 once any sentence was accepted (or the panel fix says so)

// Value of the hexadecimal number at the start of text: blanks and tabs skipped, then 0-9, A-F,
// a-f accumulated up to the first other character; 0 when there are no digits.
uint16_t parseHexChecksum(const char* text);

// One step of the framing state machine per byte, in order.
void nmeaReceiveBytes(const uint8_t* bytes, int32_t count);

// The receive event: takes what waits on the port, at most serialReadChunk bytes a read, until
// nothing waits, and frames it.
void ComPort1RxChar();
// "&GPS Connect": opens the port at 9600 baud if it is closed (the host reports a port it cannot open).
void Button5Click();
// "&Disconnect": closes the port if it is open.
void Button12Click();

// Frame-loop step: hands each pending mailbox to its decoder (RMC, GGA, GSA, GSV) and clears its flag.
void decodePendingSentences();
