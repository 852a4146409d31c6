// vexa cards: the removable volumes `vexa card --to` and the creation window
// offer, one a line (mount point, label, size, file system, device) or as JSON.
#include "cli/Commands.h"
#include "cli/HelperCommands.h"
#include "core/cardcheck/RemovableVolumes.h"
#include "udisks/UDisks2Service.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace vexa::cli {

void addCardsCommand(CLI::App& app, CliContext& context) {
    auto json = std::make_shared<bool>(false);
    CLI::App* sub = app.add_subcommand(std::string(kCardsHelper.name), std::string(kCardsHelper.description));
    addHomeOption(*sub, context);
    sub->add_flag("--json", *json, "print the volumes as JSON");
    sub->callback([&context, json] {
        UDisks2Service service;
        const std::vector<Volume> volumes = ListRemovableVolumes(&service);
        if (*json) {
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const Volume& v : volumes)
                list.push_back({{"mountPoint", v.mountPoints.front()}, {"label", v.label}, {"bytes", v.sizeBytes},
                                {"type", v.idType}, {"version", v.idVersion}, {"device", v.device}});
            std::cout << list.dump(2) << std::endl;
        } else {
            for (const Volume& v : volumes)
                std::cout << VolumeText(v) << std::endl;
        }
        if (volumes.empty())
            std::cerr << kNoRemovableVolume << std::endl;
        context.exitCode = 0;
    });
}

}  // namespace vexa::cli
