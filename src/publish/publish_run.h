#pragma once

#include "service/service_config.h"
#include "service/service_outcome.h"
#include "site/folders.h"
#include "site/site_state.h"

#include <optional>

struct PublishOutcome {
    ServiceOutcome outcome; // next is PublishedPanel only when everything went up
    // The published-site panel's address line; nullopt keeps the line as it was ("silver").
    std::optional<QString> addressLine;
    bool addressIconShown = false;
    int filesPut = 0;
    int connectionsOpened = 0;
};

// The worker's publish: makes sure the site has its address, sends the page list, then
// uploads by tier ("basic": changed pages as PHP to the service; "gold": everything to the
// user's own server; "silver": nothing) and stores the Changed flags. Any failure ends with a
// message naming it, never with the published-site panel.
PublishOutcome PublishRun(SiteState& state, const Folders& folders, const ServiceConfig& config);

// The address line of the published-site panel for the account's tier, and whether the link
// icon beside it shows.
std::optional<QString> PublishedAddressLine(const SiteState& state, const ServiceConfig& config,
                                            bool* iconShown = nullptr);

QString PublishFailedMessage();
