// The packet dispatcher: one switch from opcode and sub-code to each packet's
// handler. Every routed packet carries its rule from the catalogue; a frame that
// does not satisfy it (too short for what the handler reads, a list whose count
// promises more than the frame holds, a seat byte of 3 or more) is ignored whole.
#include "net/dispatch.h"

#include "net/account.h"
#include "net/packets.h"
#include "net/sign_in.h"
#include "screens/packet_events.h"
#include "table/events.h"
#include "wire/frame.h"

namespace net {
namespace {

using Handler = void (*)(const wire::FrameReader&);

constexpr std::uint32_t Code(std::uint8_t opcode, std::uint8_t sub) {
    return static_cast<std::uint32_t>(opcode) << 8 | sub;
}

void Route(const wire::FrameReader& f, const PacketRule& rule, Handler handler) {
    if (Satisfies(rule, f.Data(), f.Length())) handler(f);
}

}  // namespace

void DispatchPacket(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length) {
    const wire::FrameReader f(frame, length);
    std::uint8_t sub = 0;
    // The short families carry the sub-code at byte 6, the wallet family at byte 4.
    const std::size_t subAt = opcode == op::kWallet ? wire::kLongSubCodeOffset : wire::kShortSubCodeOffset;
    if (!f.U8(subAt, sub)) return;

    switch (Code(opcode, sub)) {
        // F1: account, lobby and table state. F1/0F (table-type counters) is not used.
        case Code(op::kLobby, rx::own_hand::kSub): Route(f, rx::own_hand::kRule, table::OnOwnHand); break;
        case Code(op::kLobby, rx::stock_count::kSub): Route(f, rx::stock_count::kRule, table::OnStockCount); break;
        case Code(op::kLobby, rx::turn::kSub): Route(f, rx::turn::kRule, OnTurn); break;
        case Code(op::kLobby, rx::seat_name::kSub): Route(f, rx::seat_name::kRule, table::OnSeatName); break;
        case Code(op::kLobby, rx::seat_balance::kSub): Route(f, rx::seat_balance::kRule, table::OnSeatBalance); break;
        case Code(op::kLobby, rx::plate_number::kSub): Route(f, rx::plate_number::kRule, table::OnPlateNumber); break;
        case Code(op::kLobby, rx::reset::kSub): Route(f, rx::reset::kRule, table::OnReset); break;
        case Code(op::kLobby, rx::round_countdown::kSub):
            Route(f, rx::round_countdown::kRule, table::OnRoundCountdown);
            break;
        case Code(op::kLobby, rx::fight_button::kSub): Route(f, rx::fight_button::kRule, table::OnFightButton); break;
        case Code(op::kLobby, rx::code_prompt::kSub): Route(f, rx::code_prompt::kRule, OnCodePrompt); break;
        case Code(op::kLobby, rx::table_type_names::kSub):
            Route(f, rx::table_type_names::kRule, screens::OnTableTypeNames);
            break;
        case Code(op::kLobby, rx::go_home::kSub): Route(f, rx::go_home::kRule, OnGoHome); break;
        case Code(op::kLobby, rx::referrer::kSub): Route(f, rx::referrer::kRule, OnReferrer); break;
        case Code(op::kLobby, rx::server_counters::kSub): Route(f, rx::server_counters::kRule, OnServerCounters); break;
        case Code(op::kLobby, rx::history::kSub): Route(f, rx::history::kRule, OnHistory); break;

        // F2: sign-in, notices and table signals. F2/01 (keepalive) is not used.
        case Code(op::kSignal, rx::notice::kSub): Route(f, rx::notice::kRule, OnNotice); break;
        case Code(op::kSignal, rx::revealed_cards::kSub):
            Route(f, rx::revealed_cards::kRule, table::OnRevealedCards);
            break;
        case Code(op::kSignal, rx::revealed_group::kSub):
            Route(f, rx::revealed_group::kRule, table::OnRevealedGroup);
            break;
        case Code(op::kSignal, rx::sound::kSub): Route(f, rx::sound::kRule, OnSound); break;
        case Code(op::kSignal, rx::seat_bytes::kSub): Route(f, rx::seat_bytes::kRule, table::OnSeatBytes); break;
        case Code(op::kSignal, rx::table_set_up::kSub): Route(f, rx::table_set_up::kRule, table::OnTableSetUp); break;
        case Code(op::kSignal, rx::token_assignment::kSub):
            Route(f, rx::token_assignment::kRule, OnTokenAssignment);
            break;
        case Code(op::kSignal, rx::round_result::kSub): Route(f, rx::round_result::kRule, table::OnRoundResult); break;
        case Code(op::kSignal, rx::login_result::kSub): Route(f, rx::login_result::kRule, OnLoginResult); break;
        case Code(op::kSignal, rx::account_profile::kSub):
            Route(f, rx::account_profile::kRule, OnAccountProfile);
            break;
        case Code(op::kSignal, rx::waiting_progress::kSub):
            Route(f, rx::waiting_progress::kRule, OnWaitingProgress);
            break;
        case Code(op::kSignal, rx::reveal::kSub): Route(f, rx::reveal::kRule, table::OnReveal); break;
        case Code(op::kSignal, rx::spin_result::kSub): Route(f, rx::spin_result::kRule, screens::OnSpinResult); break;
        case Code(op::kSignal, rx::sound_and_screen::kSub):
            Route(f, rx::sound_and_screen::kRule, OnSoundAndScreen);
            break;

        // F3: table plays.
        case Code(op::kPlay, rx::card_from_stock::kSub):
            Route(f, rx::card_from_stock::kRule, table::OnCardFromStock);
            break;
        case Code(op::kPlay, rx::discard::kSub): Route(f, rx::discard::kRule, table::OnDiscard); break;
        case Code(op::kPlay, rx::meld_with_discard::kSub):
            Route(f, rx::meld_with_discard::kRule, table::OnMeldWithDiscard);
            break;
        case Code(op::kPlay, rx::meld_from_hand::kSub):
            Route(f, rx::meld_from_hand::kRule, table::OnMeldFromHand);
            break;
        case Code(op::kPlay, rx::lay_off::kSub): Route(f, rx::lay_off::kRule, table::OnLayOff); break;
        case Code(op::kPlay, rx::group::kSub): Route(f, rx::group::kRule, table::OnGroup); break;
        case Code(op::kPlay, rx::ungroup::kSub): Route(f, rx::ungroup::kRule, table::OnUngroup); break;
        case Code(op::kPlay, rx::fight::kSub): Route(f, rx::fight::kRule, table::OnFight); break;
        case Code(op::kPlay, rx::fight_conditional::kSub):
            Route(f, rx::fight_conditional::kRule, table::OnFightConditional);
            break;
        case Code(op::kPlay, rx::table_reset::kSub): Route(f, rx::table_reset::kRule, table::OnTableReset); break;
        case Code(op::kPlay, rx::emoji::kSub): Route(f, rx::emoji::kRule, screens::OnEmoji); break;
        case Code(op::kPlay, rx::play_banner::kSub): Route(f, rx::play_banner::kRule, table::OnPlayBanner); break;

        // F4: wallet replies.
        case Code(op::kWallet, rx::add_ecoins_reply::kSub):
            Route(f, rx::add_ecoins_reply::kRule, OnAddECoinsReply);
            break;
        case Code(op::kWallet, rx::cash_out_reply::kSub): Route(f, rx::cash_out_reply::kRule, OnCashOutReply); break;

        default: break;
    }
}

}  // namespace net
