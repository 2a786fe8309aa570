// Anchor of the resource library: the generated resource objects link in beside it.
namespace quillby {
int EmbeddedResourcesAnchor()
{
    return 0;
}
} // namespace quillby
