# e2e tests registered here
