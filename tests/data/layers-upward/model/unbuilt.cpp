int unbuilt = 0;
