#include "links/transponder.h"

// No transponder link exists here, so the link's reports stay 0.
uint8_t transponderMode;
uint8_t identRequest;
uint8_t identActive;
int16_t transponderReply;
uint8_t transponderLinkOk;
