// TODO(helper): mountHandbook fills its container in index.html.
export function mountHandbook(root, app) {
  void root;
  void app;
}
