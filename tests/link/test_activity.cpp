// The one-activity-at-a-time rules on their own, without a window.
#include "link/Activity.h"

#include <gtest/gtest.h>

using namespace orvanta;
using Kind = Activity::Kind;

TEST(Activity, OneAtATimeAndAPlayingSoundGivesWay)
{
    Activity activity;
    int changes = 0;
    QObject::connect(&activity, &Activity::changed, [&] { ++changes; });
    int stops = 0;
    activity.setPlayingStopper([&] {
        ++stops;
        activity.end(Kind::Playing); // as the device's end does
    });

    EXPECT_FALSE(activity.canBegin(Kind::None));
    ASSERT_TRUE(activity.begin(Kind::Playing));
    // Anything else may start over a playing sound, which is stopped first.
    ASSERT_TRUE(activity.begin(Kind::Uploading));
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(activity.current(), Kind::Uploading);
    // Nothing starts over anything else, and ending another kind changes nothing.
    for (const Kind other : {Kind::Playing, Kind::Recording, Kind::Speaking, Kind::Editing,
                             Kind::Exchange, Kind::Uploading})
        EXPECT_FALSE(activity.begin(other));
    activity.end(Kind::Recording);
    EXPECT_EQ(activity.current(), Kind::Uploading);
    activity.end(Kind::Uploading);
    EXPECT_TRUE(activity.idle());
    EXPECT_EQ(changes, 4); // playing, none (the stop), uploading, none

    // A scope holds its activity for its life only, and a refused scope holds nothing.
    {
        const ActivityScope editing(activity, Kind::Editing);
        ASSERT_TRUE(editing);
        const ActivityScope refused(activity, Kind::Exchange);
        EXPECT_FALSE(refused);
        EXPECT_EQ(activity.current(), Kind::Editing);
    }
    EXPECT_TRUE(activity.idle());
}

TEST(Activity, AnEndIsAskedOfWhoeverBeganIt)
{
    Activity activity;
    int ended = 0;
    activity.requestEnd(); // nothing runs: nothing to ask
    ASSERT_TRUE(activity.begin(Kind::Recording));
    activity.setEnder([&] { ++ended; });
    activity.requestEnd();
    EXPECT_EQ(ended, 1);
    activity.end(Kind::Recording);
    ASSERT_TRUE(activity.begin(Kind::Exchange)); // a new activity starts without the old ender
    activity.requestEnd();
    EXPECT_EQ(ended, 1);
}
