// Everything a packet handler may change, captured in one comparable record, so a
// test can say "this frame changed nothing" without listing fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/account.h"
#include "screens/notices.h"
#include "table/model.h"

namespace handlertest {

struct ClientSnapshot {
    std::int32_t screen = 0;            // shell: current and previous screen, input lock
    std::int32_t previous = 0;
    bool inputLock = false;
    std::int32_t waitingCount = 0;      // shell: the waiting bar
    float waitingWidth = 0.0f;
    std::int32_t waitingTarget = 0;
    float loadProgress = 0.0f;
    table::TableModel model;            // the whole table model
    net::AccountProfile account;        // account and merchant data
    net::MerchantData merchant;
    std::vector<screens::Notice> notices;
    std::string token;                  // session token in memory and on disk
    bool tokenFileExists = false;
    std::string tokenFile;
    std::uint64_t loginDeadline = 0;    // network state the handlers touch
    bool connected = false;
    std::size_t buttons = 0;            // the ButtonMap's size
    bool fightButtonVisible = false;    // sprites the handlers show and hide
    bool groupButtonVisible = false;
    friend bool operator==(const ClientSnapshot&, const ClientSnapshot&) = default;
};

ClientSnapshot TakeSnapshot();

}  // namespace handlertest
