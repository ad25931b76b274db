#include "app/list_notifications.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

constexpr auto kButtons = ListChoiceOwner::ButtonFunctions;
constexpr auto kDpi = ListChoiceOwner::DpiFunctions;
constexpr auto kLighting = ListChoiceOwner::Lighting;

struct NotificationCase {
    int control_id;
    int notification;
    std::optional<ListChoiceOwner> owner;
};

TEST(ListNotificationsTest, SelectionChangesOfEveryListDoubleClicksOfSomeOnly) {
    const NotificationCase cases[] = {
        {41, kListSelectionChange, kButtons},
        {41, kListDoubleClick, kButtons},
        {48, kListDoubleClick, kButtons},
        {49, kListDoubleClick, std::nullopt},
        {50, kListSelectionChange, kButtons},
        {52, kListSelectionChange, kButtons},
        {53, kListSelectionChange, std::nullopt},
        {40, kListSelectionChange, std::nullopt},
        {37, kListSelectionChange, kDpi},
        {37, kListDoubleClick, std::nullopt},
        {63, kListSelectionChange, kLighting},
        {65, kListDoubleClick, kLighting},
        {66, kListSelectionChange, std::nullopt},
        {62, kListDoubleClick, std::nullopt},
        {41, 0, std::nullopt},
        {63, 4, std::nullopt},
        {151, kListSelectionChange, std::nullopt},
    };
    for (const NotificationCase& c : cases) {
        EXPECT_EQ(ListChoiceOwnerOf(c.control_id, c.notification), c.owner)
            << c.control_id << " notification " << c.notification;
    }
}

}  // namespace
}  // namespace corvanti
