#include "AutoKickPlan.h"

#include "Player999Watch.h"
#include "PlayerActions.h"
#include "SlotCheck.h"

DueKicks dueAutoKicks(QList<Player999Entry>& watched, const StatusReport& shown,
                      const Options& options, bool mapChange) {
    Player999Watch watch(watched);
    // Switched off since the last populate: that populate's marks must not kick anyone.
    if (!options.autokick999)
        watch.clearSeen();
    DueKicks kicks;
    if (options.autokick999 && !mapChange) {
        const SlotHolders holders(shown);
        for (const Player999Entry& entry : watch.due(options.autokick999int)) {
            if (holders.check({entry.num, entry.name, {}, true}).verdict !=
                SlotCheck::Verdict::Holds)
                continue;
            kicks.plan << playeractions::autoKickStep(entry.num, entry.name);
            kicks.kickedSlots << entry.num;
            // Kicked or not, the player leaves the watch: a refused kick is not tried again
            // from an old count.
            watch.markKicked(entry);
        }
    }
    watch.cleanUp();
    return kicks;
}
