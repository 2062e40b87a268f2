#include "net/account.h"

namespace net {

AccountProfile& Account() {
    static AccountProfile profile;
    return profile;
}

}  // namespace net
