// Builders of every packet the client sends, and the send call they go out by.
//
// Each builder returns the whole frame, laid out as the catalogue (net/packets.h)
// says, with every byte it does not set 0. Texts are cut to their field with the
// terminator kept; card lists longer than a count byte can state are cut to 255.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "table/card.h"

namespace net {

using OutFrame = std::vector<std::uint8_t>;

// Hands a built frame to the one send path (SendFrame); false when it did not go out.
bool SendPacket(const OutFrame& frame);

// ---- F1 --------------------------------------------------------------------------------
OutFrame BuildMobileSignIn(std::string_view mobile);                  // F1/00
OutFrame BuildTokenLogin(std::string_view token);                     // F1/01: the first 32 characters
OutFrame BuildTableRequest(std::uint8_t mode, std::uint8_t key, std::uint8_t flag,
                           std::int32_t friendCode);                  // F1/03
OutFrame BuildLeaveWaiting();                                         // F1/05
OutFrame BuildOneTimeCode(std::int32_t code);                         // F1/06
OutFrame BuildReferralId(std::int32_t userId);                        // F1/07
OutFrame BuildSetNickname(std::string_view nickname);                 // F1/08

// ---- F2 --------------------------------------------------------------------------------
OutFrame BuildMoveCard(table::Card dragged, table::Card target);      // F2/00
OutFrame BuildKeepalive();                                            // F2/01
OutFrame BuildReport();                                               // F2/02
OutFrame BuildDealDone();                                             // F2/03
OutFrame BuildResumeAck(std::uint8_t ownSeat);                        // F2/06
OutFrame BuildWheelRequest(std::uint8_t kind);                        // F2/07
OutFrame BuildWheelStop(std::int32_t value);                          // F2/08

// ---- F3 --------------------------------------------------------------------------------
OutFrame BuildDraw();                                                 // F3/00
OutFrame BuildDiscard(table::Card card);                              // F3/01
OutFrame BuildMeldWithDiscard(std::uint8_t giverSeat, table::Card taken,
                              std::span<const table::Card> cards);    // F3/02
OutFrame BuildMeldFromHand(std::span<const table::Card> cards);       // F3/03
OutFrame BuildLayOff(std::uint8_t ownerSeat, std::uint8_t meldId,
                     std::span<const table::Card> cards);             // F3/04
OutFrame BuildGroup(std::span<const table::Card> cards);              // F3/05
OutFrame BuildUngroup(std::uint32_t groupId);                         // F3/06
OutFrame BuildFight();                                                // F3/07
OutFrame BuildFightSecond();                                          // F3/08
OutFrame BuildSendEmoji(std::uint8_t index);                          // F3/09

// ---- F4 (long frames) ------------------------------------------------------------------
OutFrame BuildAddECoins(std::int32_t userId, std::int32_t amount);    // F4/01
OutFrame BuildCashOut(std::string_view mobile, std::int32_t amount);  // F4/02
OutFrame BuildCashIn(std::int32_t userId, std::int32_t amount);       // F4/04

}  // namespace net
