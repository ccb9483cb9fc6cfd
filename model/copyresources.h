#pragma once
// What file gathering hands over when files of different origin collide in the destination
// folder. The "Copy Resources" dialog implements it: it lets the user rename the copies and
// then rewrites the references, which is why they are handed over as addresses of the
// model's own path texts.

#include <string>
#include <vector>

class ICopyResourcesHandler {
public:
    virtual ~ICopyResourcesHandler() = default;

    // Called once per gathering, only when at least one reference collided. The references
    // stay valid for the duration of the call; several may hold the same source path.
    // strDestinationFolder ends with '/'.
    virtual void CopyResources(const std::vector<std::string*>& references,
                               const std::string& strDestinationFolder) = 0;
};
